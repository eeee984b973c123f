#include "EditorTestSupport.h"

namespace lexiglade::test {

QString WordLines(int count, bool finalEnter) {
    QStringList words;
    for (int i = 0; i < count; ++i) {
        words << QStringLiteral("WORD") + QChar('A' + i / 26) + QChar('A' + i % 26);
    }
    QString text = words.join('\n');
    return finalEnter ? text + '\n' : text;
}

QString HintLines(int count) {
    QStringList hints;
    for (int i = 0; i < count; ++i) {
        hints << QStringLiteral("Hint number %1").arg(i);
    }
    return hints.join('\n');
}

void Type(Tlxedit& wizard, const QString& name, const QString& words, const QString& hints) {
    wizard.Edit1->setText(name);
    wizard.Memo1->setPlainText(words);
    wizard.Memo2->setPlainText(hints);
}

StatusRecorder::StatusRecorder(const QLabel& label) {
    timer_.setInterval(0);
    QObject::connect(&timer_, &QTimer::timeout, [this, &label] {
        if (texts_.empty() || texts_.back() != label.text()) {
            texts_.push_back(label.text());
        }
    });
    timer_.start();
}

} // namespace lexiglade::test
