#pragma once
// What the probe programs share: the events delivered until a condition holds, a watch for a
// widget's paint, and the lines they answer their benchmark with.
#include <QObject>

#include <functional>
#include <string>

namespace lexiglade::bench {

// Delivers events until `done` holds, then once more for what the last one posted.
void DeliverUntil(const std::function<bool()>& done);

// Notes the first paint of a widget; once DeliverUntil has returned after it, the paint is done.
class PaintWatch : public QObject {
  public:
    explicit PaintWatch(QObject* widget);
    bool Painted() const { return painted_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool painted_ = false;
};

// Writes one line to the benchmark that started the probe, at once.
void Answer(const std::string& line);

// Waits for the benchmark's next request; false at the end of the input.
bool NextRequest(std::string& request);

} // namespace lexiglade::bench
