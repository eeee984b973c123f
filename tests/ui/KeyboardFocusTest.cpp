// Runs on a real X server (tests/smoke/xsession.sh): keys typed into the puzzle window go where the
// keyboard focus is, which is the board from the moment the window opens.
#include "GameFixture.h"
#include "TsearcherProbe.h"

#include "engine/SelectionInput.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QWindow>

namespace lexiglade::test {
namespace {

class KeyboardFocusTest : public GameTest {
  protected:
    // A key typed into the window, delivered by the window system's route.
    void Type(Qt::Key key) { QTest::keyClick(form->windowHandle(), key); }
};

TEST_F(KeyboardFocusTest, KeysReachTheBoardAndTheHintListOfTheOpenWindow) {
    OpenGame(SavannaPuzzle());
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.data(), 5000));
    EXPECT_EQ(QApplication::focusWidget(), form.data());
    Type(Qt::Key_Right);
    Type(Qt::Key_Down);
    EXPECT_TRUE(Probe(*form).Input().CursorShown());
    EXPECT_EQ(Probe(*form).Input().Cursor(), (Cell{1, 1}));
    Type(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Probe(*form).Hints().Combo1());
    Type(Qt::Key_Down);
    EXPECT_EQ(Probe(*form).Hints().Combo1()->currentIndex(), 1);
    EXPECT_EQ(Probe(*form).Input().Cursor(), (Cell{1, 1}));
    Type(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form.data());
    Type(Qt::Key_Space);
    EXPECT_TRUE(Probe(*form).Session().Selection().SelectionActive);
    Type(Qt::Key_Escape);
    EXPECT_FALSE(Probe(*form).Session().Selection().SelectionActive);
}

} // namespace
} // namespace lexiglade::test
