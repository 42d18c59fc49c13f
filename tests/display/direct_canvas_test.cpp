// A form's surface written straight into its X window, bypassing Qt's
// backing store: what the window shows is read back from the X server.

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QApplication>
#include <QLabel>
#include <QRegion>
#include <QScreen>
#include <QTest>
#include <cstdlib>
#include <memory>

#include "platform/form.h"
#include "platform/shm_window_writer.h"
#include "platform/surface_table.h"

namespace bv::platform {
namespace {

constexpr Colour kBlue = 0xFF0000FFu;
constexpr Colour kRed = 0xFFFF0000u;
constexpr Colour kGreen = 0xFF00FF00u;

void Fill(Bitmap& picture, const QRect& area, Colour colour) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        std::fill_n(picture.trueColourRow(y) + area.left(), area.width(), colour);
}

// Everything Qt asked of the server is done once it answers a question.
void WaitForToolkitRequests() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    ASSERT_NE(x11, nullptr);
    std::free(xcb_get_input_focus_reply(x11->connection(), xcb_get_input_focus(x11->connection()),
                                        nullptr));
}

class DirectCanvasTest : public ::testing::Test {
protected:
    void TearDown() override {
        form_.reset();
        if (shownSurface_ != 0) DeleteSurface(shownSurface_);
    }

    // A form at the screen's top-left corner, shown directly, its surface
    // filled with `colour` and on the screen. Above scale 1 the form shows a
    // surface of 1/scale its size, enlarged.
    void ShowForm(int width, int height, Colour colour, int scale = 1) {
        form_ = std::make_unique<Form>();
        if (scale == 1) {
            form_->CreateDrawingSurface(width, height);
        } else {
            shownSurface_ =
                CreateSurface(Bitmap(width / scale, height / scale, PixelFormat::TrueColour));
            form_->ShowSurface(shownSurface_, scale);
        }
        ASSERT_TRUE(form_->PresentDirectly()) << "no shared memory with the X server";
        form_->setGeometry(0, 0, width, height);
        Fill(Surface(), Whole(), colour);
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
        Present({form_->rect()});
    }

    Bitmap& Surface() { return *FindSurface(form_->hDC()); }
    QRect Whole() { return {0, 0, Surface().width(), Surface().height()}; }

    // A pattern of the eight colours with channels all on or off, which
    // every screen depth shows as they are; each `shift` gives another.
    void Pattern(int shift = 0) {
        Bitmap& surface = Surface();
        for (int y = 0; y < surface.height(); ++y)
            for (int x = 0; x < surface.width(); ++x) {
                const int pick = (x + 3 * y + shift) % 8;
                surface.trueColourRow(y)[x] = 0xFF000000u | ((pick & 4) != 0 ? 0xFF0000u : 0) |
                                              ((pick & 2) != 0 ? 0xFF00u : 0) |
                                              ((pick & 1) != 0 ? 0xFFu : 0);
            }
    }

    // The pixels just around `part` that differ between two screens.
    static int ChangedAround(const QImage& before, const QImage& after, const QRect& part) {
        int changed = 0;
        const QRect ring = part.adjusted(-1, -1, 1, 1);
        for (int y = ring.top(); y <= ring.bottom(); ++y)
            for (int x = ring.left(); x <= ring.right(); ++x)
                if (!part.contains(x, y) && before.pixel(x, y) != after.pixel(x, y)) ++changed;
        return changed;
    }

    // The device pixels of `area` on the screen that do not show the surface
    // pixel they enlarge.
    int WronglyShown(const QImage& shown, const QRect& area, int scale) {
        int wrong = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if ((shown.pixel(x, y) | 0xFF000000u) !=
                    Surface().trueColourRow(y / scale)[x / scale])
                    ++wrong;
        return wrong;
    }

    // Shows the parts and waits until the server has read them.
    void Present(const std::vector<QRect>& parts) {
        QRegion region;
        for (const QRect& part : parts) region += part;
        form_->Present(std::vector<QRect>(region.begin(), region.end()), parts);
        form_->Present({}, {});
    }

    QImage OnScreen() {
        return form_->screen()
            ->grabWindow(form_->winId())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    // Every pixel of `area` on the screen is `colour`.
    static bool AllOf(const QImage& shown, const QRect& area, Colour colour) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if ((shown.pixel(x, y) | 0xFF000000u) != colour) return false;
        return true;
    }

    // A whole frame of one pattern shows every block where it belongs; then
    // a part of another, beginning and ending inside blocks, shows in that
    // part and changes nothing around it.
    void ExpectAWholeFrameAndThenAPart(int scale, const QRect& part) {
        Pattern();
        Present({form_->rect()});
        const QImage before = OnScreen();
        ASSERT_EQ(before.size(), form_->size());
        EXPECT_EQ(WronglyShown(before, form_->rect(), scale), 0);
        Pattern(1);
        Present({part});
        const QImage after = OnScreen();
        EXPECT_EQ(WronglyShown(after, part, scale), 0);
        EXPECT_EQ(ChangedAround(before, after, part), 0);
    }

    std::unique_ptr<Form> form_;
    Handle shownSurface_ = 0;
};

TEST_F(DirectCanvasTest, ShowsExactlyThePartsItIsGiven) {
    ShowForm(320, 200, kBlue);
    ASSERT_TRUE(AllOf(OnScreen(), Whole(), kBlue));

    Fill(Surface(), Whole(), kRed);
    // Pieces side by side, stacked, apart and at the edge.
    const std::vector<QRect> given = {{10, 20, 50, 30},  {10, 50, 50, 10},  {10, 60, 40, 10},
                                      {100, 20, 20, 10}, {100, 40, 20, 10}, {300, 190, 20, 10}};
    Present(given);
    const QImage shown = OnScreen();
    QRegion unchanged(Whole());
    for (const QRect& part : given) {
        EXPECT_TRUE(AllOf(shown, part, kRed)) << part.x() << "," << part.y();
        unchanged -= part;
    }
    for (const QRect& part : unchanged) EXPECT_TRUE(AllOf(shown, part, kBlue));
}

TEST_F(DirectCanvasTest, ANativeLabelOverItKeepsItsPixels) {
    ShowForm(320, 200, kBlue);
    QLabel label(form_.get());
    label.setAttribute(Qt::WA_NativeWindow);
    label.setAutoFillBackground(true);
    QPalette green = label.palette();
    green.setColor(QPalette::Window, QColor(0, 255, 0));
    label.setPalette(green);
    label.setGeometry(100, 50, 80, 40);
    label.show();
    label.raise();
    ASSERT_TRUE(QTest::qWaitFor([&] { return AllOf(OnScreen(), label.geometry(), kGreen); }));

    Fill(Surface(), Whole(), kRed);
    Present({Whole()});
    const QImage shown = OnScreen();
    EXPECT_TRUE(AllOf(shown, label.geometry(), kGreen));
    EXPECT_TRUE(AllOf(shown, QRect(0, 0, 320, 50), kRed));
}

TEST_F(DirectCanvasTest, UncoveredPartsAreDrawnAgainFromTheSurface) {
    ShowForm(320, 200, kRed);
    QWidget cover;
    cover.setAutoFillBackground(true);
    QPalette white = cover.palette();
    white.setColor(QPalette::Window, Qt::white);
    cover.setPalette(white);
    cover.setGeometry(40, 40, 100, 100);
    cover.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&cover));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !AllOf(OnScreen(), Whole(), kRed); }));

    cover.hide();
    EXPECT_TRUE(QTest::qWaitFor([&] { return AllOf(OnScreen(), Whole(), kRed); }));
}

// 2100 x 1098 true-colour pixels are more than the shared segment holds. The
// writer is opened ahead, as the saver's is: the server has filled its
// segment from the screen, and the frame shows none of that. The surface is
// a third of that size, each pixel enlarged to a 3 x 3 block on the way.
TEST_F(DirectCanvasTest, AnEnlargedFrameBiggerThanTheSharedSegmentGoesInTurns) {
    constexpr int kScale = 3;
    Form::PrepareToPresentDirectly();
    ShowForm(2100, 1098, kBlue, kScale);
    // The frame after the whole one starts from the segment's beginning
    // again.
    ExpectAWholeFrameAndThenAPart(kScale, QRect(1001, 500, 97, 52));
}

// On a 16-bit screen the pixels cannot be handed over as they are: Qt
// paints the form instead, from the first frame on, enlarging a surface shown
// at a scale.
TEST_F(DirectCanvasTest, OnAScreenOfOtherPixelsQtPaintsInstead) {
    ASSERT_EQ(QGuiApplication::primaryScreen()->depth(), 16);
    ShowForm(320, 200, kBlue);
    EXPECT_TRUE(QTest::qWaitFor([&] { return AllOf(OnScreen(), Whole(), kBlue); }));

    Fill(Surface(), Whole(), kRed);
    const QRect given(10, 20, 50, 30);
    Present({given});
    const QImage shown = OnScreen();
    EXPECT_TRUE(AllOf(shown, given, kRed));
    EXPECT_TRUE(AllOf(shown, QRect(0, 0, 320, 20), kBlue));
}

TEST_F(DirectCanvasTest, OnAScreenOfOtherPixelsQtEnlargesAScaledSurface) {
    ASSERT_EQ(QGuiApplication::primaryScreen()->depth(), 16);
    constexpr int kScale = 2;
    ShowForm(320, 200, kBlue, kScale);
    ExpectAWholeFrameAndThenAPart(kScale, QRect(11, 21, 50, 31));
}

TEST(ShmWindowWriterTest, AWindowThatIsGoneEndsTheWriter) {
    auto writer = ShmWindowWriter::Open();
    ASSERT_NE(writer, nullptr);
    Bitmap picture(16, 16, PixelFormat::TrueColour);
    EXPECT_FALSE(writer->Put(0x3FFFFFF, picture, 1, {QRect(0, 0, 16, 16)}));

    auto window = std::make_unique<QWidget>();
    window->setGeometry(0, 0, 16, 16);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    writer = ShmWindowWriter::Open();
    const auto id = static_cast<WindowId>(window->winId());
    EXPECT_TRUE(writer->Put(id, picture, 1, {QRect(0, 0, 16, 16)}));
    window.reset();
    WaitForToolkitRequests();
    // The refusal comes back with the server's answer to the batch.
    writer->Put(id, picture, 1, {QRect(0, 0, 16, 16)});
    EXPECT_FALSE(writer->Put(id, picture, 1, {}));
}

}  // namespace
}  // namespace bv::platform
