#pragma once
// What a player does with the real forms: opens the wizard from the catalogue and types a puzzle,
// opens a puzzle from the catalogue's tree, and wins the game on the screen.
#include "ModalDriver.h"

#include "ui/Catalogue.h"
#include "ui/GameContext.h"
#include "wizard/Editor.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace lexiglade::test {

// Opens `wizard` from its hotspot on `catalogue`; `play` runs once the wizard is up, from the
// wizard's own loop (so that `answerer` takes its boxes), and the wizard is closed after it.
void RunWizard(Tmain& catalogue, Tlxedit& wizard, ModalDriver& answerer,
               const std::function<void()>& play);
// Types the name, the words and the hints into the wizard's first step and presses Next.
void TypePuzzle(Tlxedit& wizard, const QString& name, const QStringList& words,
                const QStringList& hints);
// Opens `title` from the tree of the catalogue on `context`: its folder first, then the puzzle;
// returns once the puzzle screen has painted.
void OpenFromCatalogue(const GameContext& context, Tmain& catalogue, const QString& folderName,
                       const QString& title);
// Drags from the first to the last letter of every hidden word of the open game; returns once
// the game has ended and its form is gone.
void WinGame(const GameContext& context);
// Whether the answerer saw a box with exactly this text.
bool SawBox(const ModalDriver& answerer, const QString& text);

} // namespace lexiglade::test
