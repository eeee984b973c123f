// The game in the player's language, run once per language, scale and environment: the language
// chosen from LANGUAGE, LC_ALL, LC_MESSAGES and LANG (LEXIGLADE_EXPECT_LANGUAGE, empty for
// English), the texts the player sees, the screen artwork read, the library's errors, and every
// caption within its control.
// With LEXIGLADE_SCREENSHOTS set, each dialog is saved there as PNG.
#include "ModalDriver.h"
#include "PlayerActions.h"
#include "UiFixture.h"

#include "ui/GameContext.h"

#include "engine/Clock.h"
#include "engine/GridGenerator.h"
#include "library/Append.h"
#include "library/Errors.h"
#include "platform/GdiBitmap.h"
#include "platform/KnownMessages.h"
#include "platform/Translators.h"
#include "print/Printdlg.h"
#include "ui/BestTimeReport.h"
#include "ui/Drawkit.h"
#include "ui/Midistuf.h"
#include "ui/ScreenArtwork.h"
#include "wizard/Editor.h"
#include "wizard/Validation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace lexiglade::test {
namespace {

QString& Installed() {
    static QString language;
    return language;
}

struct Translators : testing::Environment {
    void SetUp() override { Installed() = InstallTranslators(LEXIGLADE_TRANSLATIONS_DIR); }
};
testing::Environment* const kTranslators = testing::AddGlobalTestEnvironment(new Translators);

QString Expected() {
    return qEnvironmentVariable("LEXIGLADE_EXPECT_LANGUAGE");
}

TEST(LanguageTest, FollowsThePlayersLocale) {
    EXPECT_EQ(Installed(), Expected());
    const bool translated = !Expected().isEmpty();
    EXPECT_EQ(Tmain::tr("Thanks for playing Lexiglade!") != "Thanks for playing Lexiglade!",
              translated);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes") != "&Yes", translated);
}

// Each shipped set's file in the language the game speaks, the English one where that language has
// none, and a player's own file before any.
TEST(LanguageTest, TheScreenArtworkIsInTheLanguageSpoken) {
    DataFolder shipped, player;
    const auto colour = [](const QString& language, int ratio) {
        return qRgb(language.isEmpty() ? 10 : language[0].unicode(), 50 * ratio, 0);
    };
    for (const QString language : {"", "de", "fr"}) {
        for (const char* set : {"", "2x/", "4x/"}) {
            const int ratio = set[0] == 0 ? 1 : set[0] - '0';
            const std::string folder = language.isEmpty() ? "" : language.toStdString() + "/";
            shipped.WriteBitmap(folder + set + "a4.asl", 640 * ratio, 480 * ratio,
                                colour(language, ratio));
        }
    }
    player.Remove("a4.asl");
    player.Remove("a1.asl");
    const DataFolders folders{player.Path(), shipped.Path()};
    const struct {
        double scale;
        int ratio;
    } screens[] = {{1, 1}, {1.5, 2}, {2, 2}, {3, 4}, {5, 4}};
    Bitmap picture;
    for (const auto& screen : screens) {
        LoadScreenArtwork(picture, folders, "a4.asl", screen.scale);
        EXPECT_EQ(picture.Image().pixel(0, 0), colour(Expected(), screen.ratio)) << screen.scale;
        EXPECT_EQ(picture.Width(), 640);
        LoadScreenArtwork(picture, folders, "a1.asl",
                          screen.scale); // in English at one density only
        EXPECT_EQ(picture.Image().pixel(0, 0), kEndGameColour) << screen.scale;
    }
    player.WriteBitmap("a4.asl", 640, 480, qRgb(1, 2, 3));
    for (const auto& screen : screens) {
        LoadScreenArtwork(picture, folders, "a4.asl", screen.scale);
        EXPECT_EQ(picture.Image().pixel(0, 0), qRgb(1, 2, 3)) << "the player's own";
    }
}

// Saves `window` as NAME-LANGUAGE@SCALEx.png in LEXIGLADE_SCREENSHOTS when that is set.
void SaveScreenshot(QWidget& window, const QString& name) {
    if (const QString folder = qEnvironmentVariable("LEXIGLADE_SCREENSHOTS"); !folder.isEmpty()) {
        const QString file = QString("%1/%2-%3@%4x.png")
                                 .arg(folder, name, Expected().isEmpty() ? "en" : Expected())
                                 .arg(window.devicePixelRatioF());
        EXPECT_TRUE(window.grab().save(file)) << file.toStdString();
    }
}

struct ShownTest : testing::Test {
    void SetUp() override {
        if (Expected().isEmpty()) {
            GTEST_SKIP() << "the English texts are the sources";
        }
        catalogue = OpenCatalogue(context, 1000, 700);
        answerer.SetBeforeAnswer([this](const SeenBox&) {
            SaveScreenshot(*QApplication::activeModalWidget(),
                           QString("box%1").arg(answerer.Boxes().size()));
        });
    }
    // The translation of `source`, which must differ from it.
    static QString Tr(const char* context, const char* source) {
        const QString text = QCoreApplication::translate(context, source);
        EXPECT_NE(text, source);
        return text;
    }

    DataFolder folder;
    GameContext context{folder.Folders()};
    ModalDriver answerer;
    std::unique_ptr<Tmain> catalogue;
};

TEST_F(ShownTest, MessagesAndCaptionsAreInTheLanguage) {
    Tlxedit wizard(folder.Folders(), nullptr, context.Kit.PaletteHandle);
    wizard.show();
    QStringList words, pictures;
    for (int i = 0; i < 15; ++i) {
        words += QString("WORD") + QChar('A' + i);
        pictures += QString("MISS%1.BMP").arg(i);
    }
    TypePuzzle(wizard, QString(), {}, {});
    TypePuzzle(wizard, "Zoo", words, pictures);
    catalogue->close();
    WaitFor([&] { return answerer.Boxes().size() >= 3; }, 30);
    ASSERT_EQ(answerer.Boxes().size(), 3u);
    EXPECT_EQ(answerer.Boxes()[0].text, Tr("lexiglade::Tlxedit", kNameMissing));
    EXPECT_EQ(answerer.Boxes()[1].text, Tr("lexiglade::Tlxedit", kPictureMissing) +
                                            QString::fromStdString(folder.Path()) +
                                            Tr("lexiglade::Tlxedit", kPictureMissingEnd));
    EXPECT_EQ(answerer.Boxes()[2].caption,
              QCoreApplication::translate("MessageBoxes", "Information"));
    EXPECT_EQ(answerer.Boxes()[2].text, Tr("lexiglade::Tmain", "Thanks for playing Lexiglade!"));
    const Tjukebox options(context.State.GameOptions);
    EXPECT_EQ(options.Label2->text(), Tr("lexiglade::Tjukebox", "Music"));
    EXPECT_EQ(options.Label1->text(), Tr("lexiglade::Tjukebox", "Sounds"));
    EXPECT_EQ(options.bwcheck->text(), Tr("lexiglade::Tjukebox", "         Allow backward words"));
    EXPECT_EQ(options.tgcheck->text(), Tr("lexiglade::Tjukebox", "         Timed Game"));
}

// Each error or report made by the layers without Qt, in the language with its arguments.
TEST_F(ShownTest, LibraryAndEngineTextsAreInTheLanguage) {
    folder.Write("a14.asl", "300\r\n");
    const auto what = [](const std::function<void()>& raise) {
        try {
            raise();
        } catch (const std::exception& error) {
            return std::string(error.what());
        }
        return std::string("nothing raised");
    };
    NewPuzzle unequal{"Zoo", "LION\r\nTIGER\r\n", "Mane\r\n", "Zoo\r\n"};
    const std::vector<std::pair<std::string, QStringList>> texts = {
        {what([] { RaiseCannotOpen("/d/a7.asl"); }), {"/d/a7.asl"}},
        {what([] { RaiseCannotCreate("/d/b3.asl"); }), {"/d/b3.asl"}},
        {what([] { RaiseIndexOutOfBounds(); }), {}},
        {what([] { RaiseNotInteger("x1"); }), {"x1"}},
        {what([] { RaiseCannotRead("/d/a8.asl", "I/O"); }), {"/d/a8.asl", "I/O"}},
        {what([] { RaiseCannotWrite("/d/a8.asl", "disk full"); }), {"/d/a8.asl", "disk full"}},
        {what([] { RaiseFileLoadError(); }), {}},
        {what([] { RaiseLineTooLong(); }), {}},
        {what([] { RaiseNotInLibrary("Zoo"); }), {"Zoo"}},
        {what([] { RaiseSymbolicLink("/d/a9.asl"); }), {"/d/a9.asl"}},
        {what([] { RaiseNotPlainName("../x"); }), {"../x"}},
        {what([] { RaiseListHoldsNul("/d/a9.asl"); }), {"/d/a9.asl"}},
        {what([] { RaiseListLengthDiffers("/d/a9.asl", 3, "/d/a8.asl", 4); }),
         {"/d/a9.asl", "3", "/d/a8.asl", "4"}},
        {what([] { RaiseLibraryInUse(); }), {}},
        {what([] { RaiseCannotLockFolder("/d/", "No space"); }), {"/d/", "No space"}},
        {what([] { RaiseJournalDamaged("/d/journal"); }), {"/d/journal", "/d/"}},
        {what([] { RaiseJournalUnresolved("/d/journal", "/d/a8.asl"); }),
         {"/d/journal", "/d/a8.asl"}},
        {what([] { RaiseBanksOutOfStep("/d/b1.asl", 5, "/d/b2.asl", 6); }),
         {"/d/b1.asl", "/d/b2.asl", "5", "6"}},
        {what([] { RaiseFilingUnproven("Line too long"); }), {}},
        {what([] { RaiseTreeChanged("/d/a7.asl"); }), {"/d/a7.asl"}},
        {what(
             [] { RaiseNotChangeable("Zoo", "another puzzle of the library has the same title"); }),
         {"Zoo"}},
        {what([] { RaiseUnderNoFolder("Zoo"); }), {"Zoo"}},
        {what([&] { AppendPuzzle(folder.Path(), unequal, {}); }), {"Zoo", "2", "1"}},
        {what([] { throw GridError(); }), {}},
        {what([&] { Bitmap().LoadFromFile(folder / "a14.asl"); }), {}},
        {ClockText(3601), {"1:00:01"}},
        {BestTimeReport(299, RecordBestTime(folder.Path(), "Farm", 0, 299, false)),
         {"04:59", "05:00"}},
        {BestTimeReport(299, RecordBestTime(folder.Path(), "Farm", 0, 299, false)), {"04:59"}},
        {StageText(AppendStage::FolderList), {}},
        {StageText(AppendStage::TimeDatabase), {}},
    };
    for (const auto& [english, arguments] : texts) {
        const QString shown = TranslatedMessage(english);
        EXPECT_NE(shown, QString::fromStdString(english));
        for (const QString& argument : arguments) {
            EXPECT_TRUE(shown.contains(argument))
                << shown.toStdString() << " lacks " << argument.toStdString();
        }
        EXPECT_FALSE(shown.contains(" is ") || shown.contains(" has ")) << shown.toStdString();
    }
}

// The room the style leaves for the text of `control` and the room the text needs in its font.
std::pair<QSize, QSize> Room(const QWidget& control) {
    const QFontMetrics metrics = control.fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        const QRect room = label->contentsRect();
        if (label->wordWrap()) {
            return {room.size(), QSize(room.width(), label->heightForWidth(room.width()))};
        }
        return {room.size(), metrics.size(Qt::TextSingleLine, label->text())};
    }
    const auto& button = static_cast<const QAbstractButton&>(control);
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    QSize need = metrics.size(Qt::TextShowMnemonic, button.text());
    if (qobject_cast<const QPushButton*>(&button) != nullptr) {
        constexpr int kIconSpacing = 4; // as the style puts an icon beside the text
        need.rwidth() += button.icon().isNull() ? 0 : button.iconSize().width() + kIconSpacing;
        return {
            button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button).size(),
            need};
    }
    const auto element = qobject_cast<const QCheckBox*>(&button) != nullptr
                             ? QStyle::SE_CheckBoxContents
                             : QStyle::SE_RadioButtonContents;
    return {button.style()->subElementRect(element, &option, &button).size(), need};
}

// Every caption of `dialog` whole within its control, its control within the dialog's client area
// when it is in view, and no two captions over each other; the dialog saved when asked.
void ExpectFits(QWidget& dialog, const QString& name) {
    QList<QWidget*> captions;
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(control);
        const auto* button = qobject_cast<QAbstractButton*>(control);
        if ((label == nullptr || label->text().isEmpty()) && button == nullptr) {
            continue;
        }
        const auto [room, need] = Room(*control);
        EXPECT_TRUE(need.width() <= room.width() && need.height() <= room.height())
            << name.toStdString() << ": \""
            << (label ? label->text() : button->text()).toStdString() << "\" needs " << need.width()
            << "x" << need.height() << " in " << room.width() << "x" << room.height();
        if (control->isVisibleTo(&dialog) && control->x() < dialog.width()) {
            EXPECT_TRUE(dialog.rect().contains(control->geometry())) << name.toStdString();
            for (const QWidget* other : captions) {
                EXPECT_FALSE(other->geometry().intersects(control->geometry()))
                    << name.toStdString() << ": " << other->objectName().toStdString();
            }
            captions += control;
        }
    }
    SaveScreenshot(dialog, name);
}

TEST(FitTest, EveryCaptionFitsItsControl) {
    DataFolder folder;
    GameContext context(folder.Folders());
    const auto catalogue = OpenCatalogue(context, 1000, 700);
    Tjukebox options(context.State.GameOptions);
    Tprndlg print;
    Tlxedit wizard(folder.Folders(), nullptr, context.Kit.PaletteHandle);
    for (QWidget* dialog : std::initializer_list<QWidget*>{&options, &print, &wizard}) {
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    }
    const auto [room, need] = Room(*catalogue->Label2); // the instruction, wrapped
    EXPECT_LE(need.height(), room.height());
    EXPECT_EQ(catalogue->Label2->width(), 119) << "wider, it leaves the artwork's frame";
    ExpectFits(options, "options");
    ExpectFits(print, "print");
    ExpectFits(wizard, "wizard");
    for (int stage = 0; stage < kAppendStageCount; ++stage) { // as filing shows them
        wizard.StatusLabel->setText(TranslatedMessage(StageText(AppendStage(stage))));
        const auto [room, need] = Room(*wizard.StatusLabel);
        EXPECT_LE(need.width(), room.width()) << wizard.StatusLabel->text().toStdString();
    }
    wizard.StatusLabel->clear();
    ModalDriver answerer;
    QStringList words;
    for (int i = 0; i < 15; ++i) {
        words += QString("WORD") + QChar('A' + i);
    }
    TypePuzzle(wizard, "Zoo", words, words);
    ASSERT_EQ(wizard.WizardStep, Tlxedit::Step::Folder);
    QTest::mouseClick(wizard.btnaddfolder, Qt::LeftButton);
    ExpectFits(wizard, "wizard-folders");
}

} // namespace
} // namespace lexiglade::test
