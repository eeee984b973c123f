#include "platform/MessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
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

// Opens a box with `open`, notes how its text label shows the text, then presses its first button.
ShownText ShowAndRead(const std::function<void()>& open) {
    ShownText shown;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        shown.format = label->textFormat();
        shown.label = label->text();
        shown.laidOutWidth = label->sizeHint().width();
        box->buttons().value(0)->click();
    });
    poll.start();
    open();
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

} // namespace
} // namespace lexiglade
