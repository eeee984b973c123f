#include "platform/MessageBoxes.h"

#include "platform/Application.h"
#include "platform/Handlers.h"
#include "platform/SurfaceForm.h"
#include "platform/Texts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace lexiglade {

QWidget* DialogOwner() {
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    return SurfaceForm::Topmost();
}

namespace {

int RunBox(QMessageBox::Icon icon, const QString& caption, const QString& text,
           QMessageBox::StandardButtons buttons) {
    QPointer<QMessageBox> box = new QMessageBox(icon, caption, text, buttons, DialogOwner());
    box->setAttribute(Qt::WA_DeleteOnClose, false);
    // Texts from the library are shown as they are: never as HTML, which could load files.
    box->setTextFormat(Qt::PlainText);
    const int result = box->exec();
    delete box;
    SurfaceForm::InvalidateAll();
    return result;
}

} // namespace

void ShowInformation(const QString& text) {
    RunBox(QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok);
}

bool AskVerify(const QString& text) {
    return RunBox(QMessageBox::Question, QStringLiteral("Verify"), text,
                  QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void ReportError(const std::exception& error) {
    ShowErrorBox(ErrorText(error));
}

void ShowErrorBox(const QString& errorText) {
    RunBox(QMessageBox::Critical, QString::fromLatin1(ApplicationTitle), errorText + '.',
           QMessageBox::Ok);
}

} // namespace lexiglade
