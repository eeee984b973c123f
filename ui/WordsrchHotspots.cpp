// The hotspots below the board as the keyboard and the tooltips reach them: a hotspot's keys run
// the action a press on it runs, and its tooltip names them.
#include "ui/Wordsrch.h"

#include "print/Printdlg.h"

#include <QHelpEvent>
#include <QKeySequence>
#include <QShortcut>
#include <QToolTip>

#include <vector>

namespace lexiglade {

namespace {

struct Hotspot {
    BoxOffsets box;
    const char* tip; // %1, %2: its keys
    std::vector<QKeySequence> keys;
    void (Tsearcher::*action)();
};

const std::vector<Hotspot>& Hotspots() {
    static const std::vector<Hotspot> hotspots = {
        {Board::EndGameHotspot,
         QT_TRANSLATE_NOOP("lexiglade::Tsearcher", "End the game (%1 or %2)"),
         {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::CTRL | Qt::Key_Q)},
         &Tsearcher::EndGameHotspot},
        {Board::PrintHotspot,
         QT_TRANSLATE_NOOP("lexiglade::Tsearcher", "Print the puzzle (%1)"),
         {QKeySequence(Qt::CTRL | Qt::Key_P)},
         &Tsearcher::PrintHotspot},
        {Board::PrinterSetupHotspot,
         QT_TRANSLATE_NOOP("lexiglade::Tsearcher", "Set up the printer (%1)"),
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)},
         &Tsearcher::PrinterSetupHotspot},
    };
    return hotspots;
}

QString TipOf(const Hotspot& hotspot) {
    QString tip = Tsearcher::tr(hotspot.tip);
    for (const QKeySequence& keys : hotspot.keys) {
        tip = tip.arg(keys.toString(QKeySequence::NativeText));
    }
    return tip;
}

} // namespace

// The keys reach the puzzle window only while it is the active one: not while a box or a dialog
// of the game is open over it.
void Tsearcher::CreateHotspotKeys() {
    for (const Hotspot& hotspot : Hotspots()) {
        for (const QKeySequence& keys : hotspot.keys) {
            auto* shortcut = new QShortcut(keys, this);
            shortcut->setContext(Qt::WindowShortcut);
            connect(shortcut, &QShortcut::activated, this,
                    [this, action = hotspot.action] { HotspotKeyPressed(action); });
        }
    }
}

void Tsearcher::HotspotKeyPressed(void (Tsearcher::*action)()) {
    HandlerScope scope(*this);
    if (!releaseRequested_ && !newGame_) {
        (this->*action)();
    }
}

void Tsearcher::EndGameHotspot() {
    EndGame();
}

void Tsearcher::PrinterSetupHotspot() {
    RunPrinterSetup(this);
}

bool Tsearcher::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return SurfaceForm::event(event);
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    const Point at{help->pos().x(), help->pos().y()};
    const int right = BoardLeft + BoardWidth;
    const int bottom = BoardTop + BoardHeight;
    for (const Hotspot& hotspot : Hotspots()) {
        if (hotspot.box.Holds(right, bottom, at)) {
            const QRect area(QPoint(right + hotspot.box.left, bottom + hotspot.box.top),
                             QPoint(right + hotspot.box.right, bottom + hotspot.box.bottom));
            QToolTip::showText(help->globalPos(), TipOf(hotspot), this, area);
            return true;
        }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

} // namespace lexiglade
