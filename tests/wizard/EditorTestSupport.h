#pragma once
// Driving the wizard form in tests: typing into it and watching its status label.
#include "wizard/Editor.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

#include <string>
#include <vector>

namespace lexiglade::test {

// `count` distinct words of six letters, one per line, each followed by Enter when `finalEnter`.
QString WordLines(int count, bool finalEnter = false);
QString HintLines(int count);
// Name, words and hints typed into the first step.
void Type(Tlxedit& wizard, const QString& name, const QString& words, const QString& hints);

// Records every text the label shows while events are processed.
class StatusRecorder {
  public:
    explicit StatusRecorder(const QLabel& label);
    const std::vector<QString>& Texts() const { return texts_; }

  private:
    QTimer timer_;
    std::vector<QString> texts_;
};

} // namespace lexiglade::test
