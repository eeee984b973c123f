#include "platform/MessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QStyle>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace lexiglade {
namespace {

struct ShownText {
    Qt::TextFormat format = Qt::AutoText;
    QString label;
    int laidOutWidth = 0;
};

// Opens a box with `open`, lets `read` look at it once it shows, then presses its first button.
void ShowAndAnswer(const std::function<void()>& open,
                   const std::function<void(QMessageBox&)>& read) {
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        read(*box);
        box->buttons().value(0)->click();
    });
    poll.start();
    open();
}

// Opens a box with `open` and notes how its text label shows the text.
ShownText ShowAndRead(const std::function<void()>& open) {
    ShownText shown;
    ShowAndAnswer(open, [&](QMessageBox& box) {
        const auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        shown.format = label->textFormat();
        shown.label = label->text();
        shown.laidOutWidth = label->sizeHint().width();
    });
    return shown;
}

TEST(MessageBoxes, EveryBoxShowsItsTextLiterallyNeverAsHtml) {
    const QString image = QStringLiteral("<img src=\"/elsewhere/x.bmp\">");
    const QString bold = QStringLiteral("<b>Sky</b> &amp; <i>Night</i>");
    struct Case {
        const char* box;
        QString text;
        std::function<void(const QString&)> open;
        QString suffix; // what the box adds to the text
    };
    const Case cases[] = {
        {"information", image, [](const QString& t) { ShowInformation(t); }, {}},
        {"verify", bold, [](const QString& t) { AskVerify(t); }, {}},
        {"error", image, [](const QString& t) { ShowErrorBox(t); }, QStringLiteral(".")},
        {"error", bold, [](const QString& t) { ShowErrorBox(t); }, QStringLiteral(".")},
    };
    for (const Case& c : cases) {
        const ShownText shown = ShowAndRead([&] { c.open(c.text); });
        const QString literal = c.text + c.suffix;
        EXPECT_EQ(shown.format, Qt::PlainText) << c.box;
        EXPECT_EQ(shown.label, literal) << c.box;
        // Laid out as plain text, the markup itself takes its room on the line.
        const QFontMetrics metrics(QApplication::font("QMessageBox"));
        EXPECT_GE(shown.laidOutWidth, metrics.horizontalAdvance(literal)) << c.box;
    }
}

struct ShownFrame {
    QString caption;
    Qt::WindowFlags flags;
    int width = 0;
    bool shown = false;
};

// Opens a box with `open` and notes its caption, title-bar flags and width.
ShownFrame ShowAndMeasure(const std::function<void()>& open) {
    ShownFrame shown;
    ShowAndAnswer(open, [&](QMessageBox& box) {
        shown = {box.windowTitle(), box.windowFlags(), box.width(), true};
    });
    return shown;
}

// The caption as a title bar draws it, at its widest: the title-bar font made bold.
int CaptionWidth(const QString& caption) {
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(caption);
}

// Only the close box in the title bar, and room for the whole caption beside it and the icon.
TEST(MessageBoxes, TitleBarsHaveNoMinimizeOrMaximizeAndShowTheWholeCaption) {
    const struct {
        const char* caption;
        std::function<void()> open;
    } cases[] = {
        {"Information", [] { ShowInformation(QStringLiteral("OK")); }},
        {"Verify", [] { AskVerify(QStringLiteral("?")); }},
        {"Lexiglade", [] { ShowErrorBox(QStringLiteral("X")); }},
        {"Information", [] { ShowInformation(QStringLiteral("Click OK to print!")); }},
    };
    const int titleBar = QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        const ShownFrame shown = ShowAndMeasure(c.open);
        ASSERT_TRUE(shown.shown);
        EXPECT_EQ(shown.caption, QString::fromLatin1(c.caption));
        EXPECT_FALSE(shown.flags.testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_FALSE(shown.flags.testFlag(Qt::WindowMaximizeButtonHint));
        EXPECT_TRUE(shown.flags.testFlag(Qt::CustomizeWindowHint));
        EXPECT_TRUE(shown.flags.testFlag(Qt::WindowTitleHint));
        EXPECT_TRUE(shown.flags.testFlag(Qt::WindowCloseButtonHint));
        // The window's icon and up to three buttons take a title bar's height each.
        EXPECT_GE(shown.width, CaptionWidth(shown.caption) + 4 * titleBar) << shown.width;
    }
}

} // namespace
} // namespace lexiglade
