// The dialog tests' shared environment, and their main: a widget
// application, the platform plug-in from the environment (offscreen under
// ctest).

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "bmp_builder.h"
#include "dialog_fixture.h"
#include "platform/message_box.h"
#include "platform/process_end.h"
#include "run_reset_listener.h"
#include "scene/all_records.h"
#include "scene/properties.h"
#include "scene/scene_globals.h"
#include "settings/folders.h"
#include "settings/settings_globals.h"
#include "startup/read_settings.h"

namespace bv::test {
namespace fs = std::filesystem;

DialogEnvironment::DialogEnvironment() {
    GetDiectories();
    assetDir_ = AssetDir;
    fs::create_directories(assetDir_);
    SetScreenSize(640, 480);
    platform::SetProcessEnder([this](int) { ++processEnds_; });
    platform::SetMessageShower(
        [this](QWidget* owner, const std::string& title, const std::string& text) {
            messages_.push_back({owner, title, text});
        });
}

DialogEnvironment::~DialogEnvironment() {
    platform::SetMessageShower(nullptr);
    platform::SetProcessEnder(nullptr);
}

bool DialogEnvironment::SettingsFileExists() const {
    return fs::exists(SettingsFile());
}

std::vector<std::string> DialogEnvironment::SettingsLines() const {
    std::ifstream in(SettingsFile());
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find('=') != std::string::npos) lines.push_back(line);
    }
    return lines;
}

void DialogEnvironment::StoreSettings(const std::string& keyValueLines) const {
    WriteBytes(SettingsFile(), "[Bluvessa]\n" + keyValueLines);
}

void DialogEnvironment::StartProgram(std::initializer_list<std::string> missingPictures) {
    // A first set-up only to learn every record's picture file.
    Properties_Fish();
    Properties_Predator();
    Properties_Other();
    Properties_Scenery();
    ForEachRecord([&](Sprite& record) {
        const std::string path = assetDir_ + record.FileName;
        if (record.FileName.empty() || fs::exists(path) ||
            std::find(missingPictures.begin(), missingPictures.end(), record.FileName) !=
                missingPictures.end())
            return;
        WriteBytes(path, "");
    });
    ForEachRecord([](Sprite& record) { record = Sprite{}; });
    X_GetData();
    Properties_Fish();
    Properties_Predator();
    Properties_Other();
    Properties_Scenery();
}

void DialogEnvironment::WriteSheet(const std::string& fileName, int frameWidth, int frameHeight,
                                   const std::vector<QColor>& colours) const {
    WriteTrueColourBmp(
        assetDir_ + fileName, frameWidth * static_cast<int>(colours.size()), 2 * frameHeight,
        [&](int x, int y) { return y < frameHeight ? colours[x / frameWidth].rgb() : 0u; });
}

}  // namespace bv::test

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    bv::test::StartEveryTestFromTheReset();
    return RUN_ALL_TESTS();
}
