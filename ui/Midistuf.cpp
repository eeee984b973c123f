#include "ui/Midistuf.h"

#include "platform/CaptionFit.h"
#include "platform/GdiFont.h"
#include "ui/OptionPictures.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QRadioButton>
#include <QShowEvent>

#include <iterator>
#include <utility>

namespace lexiglade {

namespace {

const QColor kAqua(0, 255, 255);
const QColor kDisabledAqua(0, 120, 120);

QPalette DialogPalette() {
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, kAqua);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, kDisabledAqua);
    return palette;
}

// Gives `label` the picture that `source` holds; the source itself never changes.
void ShowPicture(QLabel* label, const QLabel* source) {
    label->setPixmap(source->pixmap());
}

} // namespace

Tjukebox::Tjukebox(GameOptions& options, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      options_(options) {
    setWindowTitle(tr("Options"));
    setFixedSize(336, 284);
    setPalette(DialogPalette());
    setAutoFillBackground(true);
    setFont(ToQFont(CreateFont("System", -13)));
    setWindowIcon(QIcon(QPixmap::fromImage(MusicOnPicture())));
    move(204, 106);
    CreatePictures();
    CreateLabels();
    CreateButtons();
}

QLabel* Tjukebox::NewPicture(const QImage& picture, int left, int top) {
    auto* label = new QLabel(this);
    label->setPixmap(QPixmap::fromImage(picture));
    label->setGeometry(left, top, picture.width(), picture.height());
    return label;
}

void Tjukebox::CreatePictures() {
    Image2 = NewPicture(SoundOnPicture(), 34, 304);
    Image3 = NewPicture(SoundOffPicture(), 93, 308);
    Image4 = NewPicture(SoundOnPicture(), 34, 26);
    Image5 = NewPicture(MusicOnPicture(), 194, 306);
    Image6 = NewPicture(MusicOffPicture(), 240, 302);
    Image7 = NewPicture(MusicOnPicture(), 38, 69);
    Image8 = NewPicture(OkPicture(), 256, 30);
    for (QLabel* clickable : {Image4, Image7, Image8}) {
        clickable->installEventFilter(this);
        clickable->setFocusPolicy(Qt::TabFocus); // a click leaves the focus where it was
    }
}

void Tjukebox::CreateLabels() {
    const QFont large = ToQFont(CreateFont("System", -19));
    Label1 = new QLabel(tr("Sounds"), this);
    Label2 = new QLabel(tr("Music"), this);
    const QRect designs[] = {{92, 34, 49, 16}, {94, 76, 39, 16}};
    QLabel* const labels[] = {Label1, Label2};
    for (int i = 0; i < 2; ++i) {
        labels[i]->setFont(large);
        // Sized to its caption: the larger font needs more than the design size.
        const QSize size = designs[i].size().expandedTo(labels[i]->sizeHint());
        labels[i]->setGeometry(QRect(designs[i].topLeft(), size));
    }
}

void Tjukebox::CreateButtons() {
    bwcheck = new QCheckBox(tr("         Allow backward words"), this);
    bwcheck->setGeometry(44, 121, 247, 18);
    tgcheck = new QCheckBox(tr("         Timed Game"), this);
    tgcheck->setGeometry(44, 164, 202, 16);
    connect(tgcheck, &QCheckBox::toggled, this, &Tjukebox::tgcheckClick);
    tgr1 = new QRadioButton(tr("  3 minutes"), this);
    tgr1->setGeometry(91, 187, 164, 16);
    tgr2 = new QRadioButton(tr("  6 minutes"), this);
    tgr2->setGeometry(91, 209, 164, 16);
    tgr3 = new QRadioButton(tr("  9 minutes"), this);
    tgr3->setGeometry(91, 231, 164, 16);
    for (QAbstractButton* button :
         std::initializer_list<QAbstractButton*>{bwcheck, tgcheck, tgr1, tgr2, tgr3}) {
        WidenToCaption(*button);
    }
    tgr2->setChecked(true);
    QWidget* const tabOrder[] = {Image4, Image7, bwcheck, tgcheck, tgr1, tgr2, tgr3, Image8};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i) {
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }
}

void Tjukebox::SetDurationsEnabled(bool enabled) {
    for (QRadioButton* duration : {tgr1, tgr2, tgr3}) {
        duration->setEnabled(enabled);
    }
}

void Tjukebox::FormShow() {
    const GameOptions& options = options_;
    ShowPicture(Image4, options.soundsOn ? Image2 : Image3);
    ShowPicture(Image7, options.musicOn ? Image5 : Image6);
    Image4->setFocus(Qt::OtherFocusReason);
    bwcheck->setChecked(options.backwardWords);
    if (options.timedGame) {
        tgcheck->setChecked(true);
        SetDurationsEnabled(true);
        QRadioButton* const durations[] = {tgr1, tgr2, tgr3};
        if (options.timeLimitChoice >= 1 && options.timeLimitChoice <= 3) {
            durations[options.timeLimitChoice - 1]->setChecked(true);
        }
    } else {
        tgcheck->setChecked(false);
        SetDurationsEnabled(false);
    }
}

void Tjukebox::Image4Click() {
    GameOptions& options = options_;
    options.soundsOn = !options.soundsOn;
    ShowPicture(Image4, options.soundsOn ? Image2 : Image3);
}

void Tjukebox::Image7Click() {
    GameOptions& options = options_;
    options.musicOn = !options.musicOn;
    ShowPicture(Image7, options.musicOn ? Image5 : Image6);
}

void Tjukebox::tgcheckClick() {
    SetDurationsEnabled(tgcheck->isChecked());
}

void Tjukebox::Image8Click() {
    GameOptions& options = options_;
    options.backwardWords = bwcheck->isChecked();
    if (tgcheck->isChecked()) {
        options.timedGame = true;
        if (tgr1->isChecked()) {
            options.timeLimitChoice = 1;
        }
        if (tgr2->isChecked()) {
            options.timeLimitChoice = 2;
        }
        if (tgr3->isChecked()) {
            options.timeLimitChoice = 3;
        }
    } else {
        options.timedGame = false;
    }
    accept();
}

void Tjukebox::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        FormShow();
    }
    QDialog::showEvent(event);
    activateWindow(); // opened by a key, it takes the keys even where the window manager hesitates
}

// There is no close box: the window system's close request is refused.
void Tjukebox::closeEvent(QCloseEvent* event) {
    event->ignore();
}

// There is no cancel button: Escape does not close the dialog. Space or Enter clicks the picture
// that has the focus; Enter elsewhere clicks the OK picture, as it would a dialog's default button.
void Tjukebox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (key == Qt::Key_Escape) {
        event->accept();
        return;
    }
    if ((key != Qt::Key_Space && !enter) || event->modifiers() & ~Qt::KeypadModifier) {
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
    QWidget* focus = focusWidget();
    if (focus == Image4) {
        Image4Click();
    } else if (focus == Image7) {
        Image7Click();
    } else if (focus == Image8 || enter) {
        Image8Click();
    }
}

// A picture is clicked when the left button, pressed on it, goes up over it. The second press of a
// double-click comes as a double-click, which clicks nothing: a double-click is one click.
bool Tjukebox::eventFilter(QObject* watched, QEvent* event) {
    auto* picture = qobject_cast<QLabel*>(watched);
    const QEvent::Type type = event->type();
    if (picture == nullptr ||
        (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
         type != QEvent::MouseButtonDblClick)) {
        return QDialog::eventFilter(watched, event);
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) {
        return QDialog::eventFilter(watched, event);
    }
    if (type != QEvent::MouseButtonRelease) {
        pressedPicture_ = type == QEvent::MouseButtonPress ? picture : nullptr;
        return true;
    }
    const bool clicked = std::exchange(pressedPicture_, nullptr) == picture &&
                         picture->rect().contains(mouse->position().toPoint());
    if (clicked && picture == Image4) {
        Image4Click();
    } else if (clicked && picture == Image7) {
        Image7Click();
    } else if (clicked && picture == Image8) {
        Image8Click();
    }
    return true;
}

} // namespace lexiglade
