#include "platform/SurfaceForm.h"

#include <QApplication>
#include <QExposeEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace lexiglade {
namespace {

constexpr QRgb kCornerColour = qRgb(255, 0, 0);

// Marks its bottom-right pixel at every FormPaint and keeps the size each one ran at.
class CornerForm : public SurfaceForm {
  public:
    std::vector<QSize> paintSizes;

  protected:
    void FormPaint() override {
        paintSizes.push_back(size());
        Surface().setPixel(width() - 1, height() - 1, kCornerColour);
    }
};

bool WaitFor(const std::function<bool()>& done) {
    return QTest::qWaitFor(done, 2000);
}

// The frame of a maximized window covers the screen's available area.
bool FillsAvailableArea(const QWidget& form) {
    const QRect area = form.screen()->availableGeometry();
    return form.frameGeometry().width() >= area.width() &&
           form.frameGeometry().height() >= area.height();
}

void ShowAt(CornerForm& form, QSize size) {
    form.resize(size);
    form.show();
    ASSERT_TRUE(WaitFor([&] { return !form.paintSizes.empty(); }));
}

TEST(SurfaceForm, TheImageHasTheFormsSizeWhateverSizeAResizeEventReports) {
    // The window system can deliver a resize whose size is older than the window's own.
    const QSize reported[] = {{119, 119}, {1000, 900}, {300, 120}, {0, 0}};
    for (const QSize stale : reported) {
        CornerForm form;
        ShowAt(form, {300, 200});
        QResizeEvent event(stale, form.size());
        QApplication::sendEvent(&form, &event);
        form.repaint();
        EXPECT_EQ(form.Surface().size(), QSize(300, 200)) << stale.width() << "x" << stale.height();
        EXPECT_EQ(form.paintSizes.back(), QSize(300, 200));
        EXPECT_EQ(form.grab().toImage().pixel(299, 199), kCornerColour);
    }
}

TEST(SurfaceForm, AMaximizedFormsFirstPaintRunsAtItsMaximizedSize) {
    CornerForm form;
    form.ShowMaximized();
    ASSERT_TRUE(WaitFor([&] { return !form.paintSizes.empty(); }));
    EXPECT_TRUE(FillsAvailableArea(form));
    EXPECT_EQ(form.paintSizes.front(), form.size());
    EXPECT_EQ(form.Surface().size(), form.size());
    EXPECT_FALSE(form.AwaitingMaximizedSize());
}

TEST(SurfaceForm, APaintBeforeTheWindowIsMaximizedRunsNoFormPaint) {
    CornerForm form;
    ShowAt(form, {300, 200});
    form.paintSizes.clear();
    form.ShowMaximized();
    form.repaint(); // the window is still at its old size
    EXPECT_TRUE(form.paintSizes.empty());
    EXPECT_TRUE(form.AwaitingMaximizedSize());
    ASSERT_TRUE(WaitFor([&] { return !form.paintSizes.empty(); }));
    EXPECT_TRUE(FillsAvailableArea(form));
    EXPECT_EQ(form.paintSizes.front(), form.size());
    EXPECT_EQ(form.grab().toImage().pixel(form.width() - 1, form.height() - 1), kCornerColour);
}

TEST(SurfaceForm, AFormThatLeavesTheMaximizedStatePaintsAtItsOwnSize) {
    CornerForm form;
    ShowAt(form, {300, 200});
    form.paintSizes.clear();
    form.ShowMaximized();
    form.showNormal();
    form.repaint();
    ASSERT_TRUE(WaitFor([&] { return !form.paintSizes.empty(); }));
    EXPECT_FALSE(form.AwaitingMaximizedSize());
    EXPECT_EQ(form.paintSizes.front(), QSize(300, 200));
}

// Whatever shows the window again after it was out of sight runs FormPaint, as a window system
// that keeps no copy of the window asks for a paint: the window exposed again after a window over
// it went away, a restore from minimized, a show after a hide.
TEST(SurfaceForm, AWindowShownAgainRunsFormPaint) {
    struct Case {
        const char* what;
        std::function<void(CornerForm&)> hideAndShow;
    };
    const Case cases[] = {
        {"exposed again",
         [](CornerForm& form) {
             QExposeEvent uncovered(QRegion(10, 20, 100, 50));
             QApplication::sendEvent(form.windowHandle(), &uncovered);
         }},
        {"restored from minimized",
         [](CornerForm& form) {
             form.showMinimized();
             QApplication::processEvents();
             form.showNormal();
         }},
        {"shown after a hide",
         [](CornerForm& form) {
             form.hide();
             QApplication::processEvents();
             form.show();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CornerForm form;
        ShowAt(form, {300, 200});
        QApplication::processEvents();
        form.paintSizes.clear();
        c.hideAndShow(form);
        EXPECT_TRUE(WaitFor([&] { return !form.paintSizes.empty(); }));
        QTest::qWait(200); // a second paint, if one came, would be counted
        EXPECT_EQ(form.paintSizes.size(), 1u);
        EXPECT_EQ(form.grab().toImage().pixel(299, 199), kCornerColour);
    }
}

} // namespace
} // namespace lexiglade
