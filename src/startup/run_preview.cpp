#include "errors/error_handler.h"
#include "scene/records.h"
#include "settings/settings_globals.h"
#include "startup/command_options.h"
#include "startup/preview_form.h"
#include "startup/run_state.h"
#include "startup/starter.h"
#include "surfaces/memory_surfaces.h"

namespace bv {

void X_LoadPics4Preview() {
    Guarded("Starter/X_LoadPics4Preview",
            [] { PreviewPic.DC = GenerateDC(AssetDir + "bv_preview.bmp"); });
}

void Run_Preview() {
    Guarded("Starter/Run_Preview", [] {
        RunMode = kRunModePreview;
        X_LoadPics4Preview();
        PreviewParent = FindPreviewHandle(SwitchLine(ProcessCommandOptions()));
        PreviewRect = platform::GetClientRect(static_cast<platform::WindowId>(PreviewParent));
        auto* preview = new PreviewScreen;  // never freed, on purpose: the run ends the process
        preview->Load();
        preview->setWindowTitle(QStringLiteral("Preview"));
        preview->EmbedInto(static_cast<platform::WindowId>(PreviewParent), PreviewRect);
    });
}

}  // namespace bv
