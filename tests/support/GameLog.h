#pragma once
// The game's log as a test sees it: while one lives, every message of the lexiglade.* categories
// is kept here instead of being printed; other messages go on as before.
#include <QString>
#include <QStringList>

namespace lexiglade::test {

class GameLog {
  public:
    GameLog();
    ~GameLog();
    GameLog(const GameLog&) = delete;
    GameLog& operator=(const GameLog&) = delete;

    // "category: text", in the order logged.
    const QStringList& Messages() const { return messages_; }
    // The messages that hold `part`.
    QStringList Holding(const QString& part) const { return messages_.filter(part); }
    QString Joined() const { return messages_.join(QLatin1Char('\n')); }

  private:
    QStringList messages_;
};

} // namespace lexiglade::test
