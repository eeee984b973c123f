#include "platform/Application.h"

#include "platform/FocusMarks.h"
#include "platform/MessageBoxes.h"
#include "platform/Texts.h"

#include <exception>

namespace lexiglade {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(kApplicationTitle);
    setQuitOnLastWindowClosed(false);
    InstallFocusMarks();
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowErrorBox(ErrorText(error));
    } catch (...) {
        ShowErrorBox(QCoreApplication::translate("Application", "Unexpected error"));
    }
    return false;
}

} // namespace lexiglade
