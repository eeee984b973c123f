#include "platform/MessageBoxes.h"

#include "platform/ApplicationTitle.h"
#include "platform/Handlers.h"
#include "platform/SurfaceForm.h"
#include "platform/Texts.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>
#include <QSpacerItem>
#include <QStyle>

namespace lexiglade {

QWidget* DialogOwner() {
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    return SurfaceForm::Topmost();
}

namespace {

// Only the close box beside the caption: no minimize or maximize button.
constexpr Qt::WindowFlags kBoxFrame = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                      Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
// Title-bar heights beside the caption: the window's icon, the close box, the minimize and maximize
// buttons that some window managers show whatever the flags say, and the margins.
constexpr int kTitleBarButtonRoom = 5;

// The width the title bar needs for the whole caption, drawn bold as many window managers do.
int CaptionRoom(const QWidget& box) {
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const int titleBar = box.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &box);
    return QFontMetrics(font).horizontalAdvance(box.windowTitle()) + kTitleBarButtonRoom * titleBar;
}

// The box lays itself out anew when shown; a spacer across its grid holds it wide enough.
void FitCaption(QMessageBox& box) {
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(
            new QSpacerItem(CaptionRoom(box), 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
            grid->rowCount(), 0, 1, grid->columnCount());
    }
}

int RunBox(QMessageBox::Icon icon, const QString& caption, const QString& text,
           QMessageBox::StandardButtons buttons) {
    QPointer<QMessageBox> box = new QMessageBox(icon, caption, text, buttons, DialogOwner());
    box->setAttribute(Qt::WA_DeleteOnClose, false);
    // Texts from the library are shown as they are: never as HTML, which could load files.
    box->setTextFormat(Qt::PlainText);
    box->setWindowFlags(kBoxFrame);
    FitCaption(*box);
    const int result = box->exec();
    delete box;
    SurfaceForm::InvalidateAll();
    return result;
}

} // namespace

void ShowInformation(const QString& text) {
    RunBox(QMessageBox::Information, QCoreApplication::translate("MessageBoxes", "Information"),
           text, QMessageBox::Ok);
}

bool AskVerify(const QString& text) {
    return RunBox(QMessageBox::Question, QCoreApplication::translate("MessageBoxes", "Verify"),
                  text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void ReportError(const std::exception& error) {
    ShowErrorBox(ErrorText(error));
}

void ShowErrorBox(const QString& errorText) {
    RunBox(QMessageBox::Critical, QString::fromLatin1(ApplicationTitle), errorText + '.',
           QMessageBox::Ok);
}

} // namespace lexiglade
