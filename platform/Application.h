#pragma once
// The application object: any error that escapes an event handler ends that handler only and is
// shown in the general error box; the program goes on. Every window marks the control that has
// the keyboard's focus (FocusMarks.h).
#include "platform/ApplicationTitle.h"

#include <QApplication>

namespace lexiglade {

class Application : public QApplication {
  public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace lexiglade
