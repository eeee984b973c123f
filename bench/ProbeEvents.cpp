#include "ProbeEvents.h"

#include <QCoreApplication>
#include <QEvent>

#include <iostream>

namespace lexiglade::bench {

void DeliverUntil(const std::function<bool()>& done) {
    while (!done()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

PaintWatch::PaintWatch(QObject* widget) {
    widget->installEventFilter(this);
}

bool PaintWatch::eventFilter(QObject*, QEvent* event) {
    painted_ = painted_ || event->type() == QEvent::Paint;
    return false;
}

void Answer(const std::string& line) {
    std::cout << line << std::endl;
}

bool NextRequest(std::string& request) {
    return static_cast<bool>(std::getline(std::cin, request));
}

} // namespace lexiglade::bench
