#pragma once
// The references to the game's forms, one of each, set by the entry sequence and by puzzle loading.
#include <QPointer>
#include <QWidget>

class QDialog;

namespace lexiglade {

class Tmain;
class Tjukebox;

struct FormReferences {
    Tmain* main = nullptr;
    Tjukebox* jukebox = nullptr;
    QDialog* prndlg = nullptr;
    QDialog* lxedit = nullptr;
    QPointer<QWidget> searcher;
};

} // namespace lexiglade
