// The smallest Qt widgets program that does what the game's start-up shows: a maximized window
// with a picture painted in it (the catalogue's background, loaded from its file).
// Usage: lexiglade_baseline_window PICTURE
// Writes "painted" once the window is painted, then ends at the end of its input.
#include "ProbeEvents.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <cstdlib>
#include <string>

namespace {

class PictureWindow : public QWidget {
  public:
    explicit PictureWindow(const QString& path) : picture_(path, "BMP") {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.drawImage((width() - picture_.width()) / 2, (height() - picture_.height()) / 2,
                          picture_);
    }

  private:
    QImage picture_;
};

} // namespace

int main(int argc, char** argv) {
    using namespace lexiglade::bench;
    QApplication app(argc, argv);
    PictureWindow window(QString::fromLocal8Bit(argc > 1 ? argv[1] : ""));
    const PaintWatch watch(&window);
    window.showMaximized();
    DeliverUntil([&] { return watch.Painted(); });
    Answer("painted");
    for (std::string request; NextRequest(request);) {
    }
    std::_Exit(0);
}
