#include "platform/SurfaceForm.h"

#include <QApplication>
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

} // namespace
} // namespace lexiglade
