#include "GameLog.h"

#include <QtGlobal>

namespace lexiglade::test {

namespace {

QStringList* kept = nullptr;
QtMessageHandler previous = nullptr;

void Keep(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const QString category = QString::fromLatin1(context.category);
    if (kept != nullptr && category.startsWith(QLatin1String("lexiglade."))) {
        kept->append(category + QStringLiteral(": ") + text);
        return;
    }
    previous(type, context, text);
}

} // namespace

GameLog::GameLog() {
    Q_ASSERT(kept == nullptr); // one at a time
    kept = &messages_;
    previous = qInstallMessageHandler(Keep);
}

GameLog::~GameLog() {
    qInstallMessageHandler(previous);
    kept = nullptr;
}

} // namespace lexiglade::test
