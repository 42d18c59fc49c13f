#include "scene/main_timer.h"

#include <QString>

#include "errors/error_handler.h"
#include "platform/clock_text.h"
#include "platform/scaling.h"
#include "platform/surface_ops.h"
#include "scene/anim_groups.h"
#include "scene/anim_still.h"
#include "scene/anim_swim.h"
#include "scene/anim_timed.h"
#include "scene/anim_worm.h"
#include "scene/buffer_drawing.h"
#include "scene/centre_pieces.h"
#include "scene/frame_composer.h"
#include "scene/records.h"
#include "scene/scene_globals.h"
#include "settings/settings_globals.h"

namespace bv {
namespace {

// One step of the tick: a record's routine, drawn only while its flag is set.
struct SceneStep {
    Integer (*enabled)();
    void (*run)();
};

// Back to front: later steps are drawn over earlier ones.
constexpr SceneStep kSwimmersAndDrifters[] = {
    {[] { return MarinaSign.Enabled; }, [] { Anim_Still_Loop(MarinaSign); }},
    {[] { return TigerShark.Enabled; }, [] { Anim_Swim_LeftOnly(TigerShark); }},
    {[] { return Hammerhead.Enabled; }, [] { Anim_Swim_RightOnly(Hammerhead); }},
    {[] { return Orca.Enabled; }, [] { Anim_Swim_LeftOnly(Orca); }},
    {[] { return Dolphin.Enabled; }, [] { Anim_Swim_LeftOnly(Dolphin); }},
    {[] { return Shark.Enabled; }, [] { Anim_Swim_RightOnly(Shark); }},
    {[] { return Octopus.Enabled; }, [] { Anim_Swim_LeftOnly(Octopus); }},
    {[] { return SwimMaid.Enabled; }, [] { Anim_Swim_LeftUp(SwimMaid); }},
    {[] { return Whale.Enabled; }, [] { Anim_Swim_RightDown(Whale); }},
    {[] { return Manatee.Enabled; }, [] { Anim_Swim_RightOnly(Manatee); }},
    {[] { return Tuna.Enabled; }, [] { Anim_Swim_LeftOnly(Tuna); }},
    {[] { return MofiaSnitch.Enabled; }, [] { Anim_Swim_Drop(MofiaSnitch, 500); }},
    // The bottles are one choice: the second follows the first one's flag.
    {[] { return Bottle(1).Enabled; }, [] { Anim_Swim_Drop(Bottle(1), 250); }},
    {[] { return Bottle(1).Enabled; }, [] { Anim_Swim_Drop(Bottle(2), 750); }},
    {[] { return BubblesLeft(1).Enabled; }, [] { Anim_Custom_BubbleRight(); }},
    {[] { return BubblesLeft(1).Enabled; }, [] { Anim_Custom_BubbleLeft(); }},
    {[] { return BlueDevil(1).Enabled; }, [] { Anim_Custom_bluedevil(); }},
    {[] { return AngelFish(1).Enabled; }, [] { Anim_Custom_AngelFish(); }},
    {[] { return RedFish(1).Enabled; }, [] { Anim_Custom_redfish(); }},
    {[] { return YellowFish(1).Enabled; }, [] { Anim_Custom_Yellowfish(); }},
    {[] { return EmperorFish(1).Enabled; }, [] { Anim_Custom_emperorfish(); }},
    {[] { return SwimHorse(1).Enabled; }, [] { Anim_Custom_SwimHorse(); }},
    {[] { return ScubaDiver.Enabled; }, [] { Anim_Swim_LeftOnly(ScubaDiver); }},
    {[] { return BlowFish.Enabled; }, [] { Anim_Swim_Both1(BlowFish); }},
    {[] { return Pillar(1).Enabled; }, [] { Anim_Custom_Pillars(); }},
    {[] { return Worm.Enabled; }, [] { Anim_Custom_Worm(Worm); }},
    {[] { return DiverHead.Enabled; }, [] { Anim_Custom_DiverHead(DiverHead); }},
};

// The sea-bed pieces animate on every tick: an unselected one has no
// picture, so only its frame counter moves.
void DrawSeaBed() {
    Anim_Still_Loop(SeaHorse);
    Anim_Custom_Clam();
    Anim_Custom_Crab(Crab);
    Anim_Custom_Anchor(Anchor);
    Anim_Custom_Eyes(Eyes);
}

void CopyBackground() {
    DrawOnBuffer({.kind = BufferDrawing::Kind::kCopy,
                  .owner = &Background,
                  .target = QRect(0, 0, ScreenWidth, ScreenHeight),
                  .source = Background.DC});
}

void LayReef() {
    DrawOnBuffer(
        {.kind = BufferDrawing::Kind::kMasked,
         .owner = &Foreground,
         .target = QRect(0, ScreenHeight - Foreground.Height, ScreenWidth, Foreground.Height),
         .source = Foreground.DC,
         .mask = ForegroundMaskDC});
}

int Rounded(double value) {
    return RoundToLong(value);
}

// A label measured and placed in scene pixels, whatever units the toolkit
// gives it.
class SceneLabel {
public:
    SceneLabel(QLabel& label, const SceneView& view) : label_(label), scale_(view.LabelScale()) {}

    double Width() const { return label_.width() / scale_; }
    double Height() const { return label_.height() / scale_; }
    void MoveTo(int left, int top) { label_.move(Rounded(left * scale_), Rounded(top * scale_)); }
    void MoveLeftEdgeTo(int left) { label_.move(Rounded(left * scale_), label_.y()); }

private:
    QLabel& label_;
    double scale_;
};

// The changed parts of the frame to the window, each scene pixel as a
// PixelScale-wide block, and only those parts shown anew.
void PresentFrame(SceneView& view, const FrameComposer::Changes& changes) {
    platform::Bitmap* window = platform::FindSurface(view.FormDC());
    const platform::Bitmap* frame = platform::FindSurface(BufferDC);
    if (window == nullptr || frame == nullptr || changes.bands.empty()) return;
    if (window != frame) {  // else the window shows the back buffer itself
        for (const QRect& part : changes.parts)
            platform::ScaleUp(*window, part.x() * PixelScale, part.y() * PixelScale, *frame,
                              part.x(), part.y(), part.width(), part.height(), PixelScale);
    }
    auto inDevicePixels = [](const std::vector<QRect>& changed) {
        std::vector<QRect> scaled;
        scaled.reserve(changed.size());
        for (const QRect& part : changed)
            scaled.emplace_back(part.topLeft() * PixelScale, part.size() * PixelScale);
        return scaled;
    };
    view.Refresh(inDevicePixels(changes.bands), inDevicePixels(changes.parts));
}

// Every drawing of the tick, in its order: the background, the swimmers and
// drifters, the reef, the centre piece, the sea-bed pieces.
void ComposeTick() {
    CopyBackground();
    for (const SceneStep& step : kSwimmersAndDrifters)
        if (step.enabled() != kFalse) step.run();
    LayReef();
    AnimateChosenCentrePiece();
    DrawSeaBed();
}

}  // namespace

void PrepareFirstFrame(SceneView& view) {
    // A negative interval is not a speed: the timer refuses it.
    if (Speed < 0) Fail(kInvalidArgument);
    view.MainTimer().setInterval(Speed);
    CopyBackground();
    LayReef();
}

void PlaceSceneLabels(SceneView& view) {
    if (!MessageText.empty() && ShowMessage != kFalse) {
        QLabel& label = view.ScreenLabel();
        label.setText(QStringLiteral("  ") + QString::fromStdString(MessageText) +
                      QStringLiteral("  "));
        label.adjustSize();
        SceneLabel placed(label, view);
        placed.MoveTo(Rounded(ScreenWidth / 2.0 - placed.Width() / 2.0),
                      Rounded(ScreenHeight - placed.Height() - 40));
        label.show();
    }
    if (ShowClock != kFalse) {
        QLabel& clock = view.ClockLabel();
        clock.show();
        SceneLabel placed(clock, view);
        placed.MoveTo(Rounded(ScreenWidth / 2.0 - placed.Width() / 2.0), 5);
    }
}

void Update_Clock(SceneView& view) {
    QLabel& clock = view.ClockLabel();
    // Centred by the width of the previous caption: a new width shows a tick late.
    SceneLabel placed(clock, view);
    placed.MoveLeftEdgeTo(Rounded(ScreenWidth / 2.0 - placed.Width() / 2.0));
    const QString caption =
        QStringLiteral(" ") + QString::fromStdString(LocalTimeText()) + QStringLiteral(" ");
    if (caption != clock.text()) {
        clock.setText(caption);
        clock.adjustSize();
    }
}

void maintimer_Timer(SceneView& view) {
    Guarded("ScreenSaver/MainTimer", [&] {
        LongTick = ToInteger(LongTick + 1);
        if (LongTick > 1000) LongTick = 0;
        ShortTick = ToInteger(ShortTick + 1);
        if (ShortTick > 100) ShortTick = 0;

        if (ComposeWholeFrames) {
            ComposeTick();
            Update_Clock(view);
            const QRect screen(0, 0, ScreenWidth, ScreenHeight);
            PresentFrame(view, {{screen}, {screen}});
            return;
        }
        FrameComposer& composer = TheFrameComposer();
        composer.Begin();
        try {
            ComposeTick();
            Update_Clock(view);
        } catch (...) {
            composer.Abandon();  // that frame is not shown; the last one stays
            throw;
        }
        PresentFrame(view, composer.Finish());
    });
}

}  // namespace bv
