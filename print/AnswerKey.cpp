#include "print/AnswerKey.h"

#include "platform/Texts.h"
#include "platform/printer/PrinterCanvas.h"
#include "platform/printer/PrinterPicture.h"
#include "print/PageText.h"

#include <QCoreApplication>

#include <algorithm>

namespace lexiglade {

namespace {

//: The title of the printed answer key: %1 is the puzzle's title.
constexpr const char* kKeyTitle = QT_TRANSLATE_NOOP("AnswerKey", "%1 (answers)");

// The word as the player reads it: the placed text, turned forwards when it was stored reversed.
std::string AnswerOf(const PageContent& page, int k) {
    if (k >= static_cast<int>(page.placedWords.size())) {
        return {};
    }
    const PlacedWord& word = page.placedWords[static_cast<std::size_t>(k)];
    return word.reversed ? std::string(word.text.rbegin(), word.text.rend()) : word.text;
}

// Centre of the capitals of `cell`.
DevicePoint LetterMiddle(PrinterCanvas& dc, const PageLayout& layout, Cell cell) {
    const DevicePoint top = LetterPosition(layout, cell);
    return {top.x, top.y + dc.CapitalsMiddle()};
}

void DrawCapsules(PrinterCanvas& dc, const PageLayout& layout, const AnswerKeyLayout& key,
                  const PageContent& page) {
    const int words = std::min(page.hintCount, static_cast<int>(page.placedWords.size()));
    for (int k = 0; k < words; ++k) {
        const PlacedWord& word = page.placedWords[static_cast<std::size_t>(k)];
        dc.Capsule(LetterMiddle(dc, layout, word.start), LetterMiddle(dc, layout, word.end),
                   key.capsuleRadius, key.capsuleLine);
    }
}

void DrawTextAnswers(PrinterCanvas& dc, const PageLayout& layout, const AnswerKeyLayout& key,
                     const Font& font, const PageContent& page) {
    const int lines = std::min(page.hintCount, static_cast<int>(page.hints.size()));
    for (int k = 0; k < lines; ++k) {
        const std::string answer = AnswerOf(page, k);
        const DevicePoint at = TextHintPosition(layout, k);
        const int answerWidth = std::min(dc.TextWidth(answer), layout.hintRoom / 2);
        dc.SetTextAlign(TA_RIGHT | TA_TOP);
        TextOutFitted(dc, font, {key.answerRight, at.y}, answer, answerWidth);
        dc.SetTextAlign(TA_LEFT | TA_TOP);
        TextOutFitted(dc, font, at, page.hints[static_cast<std::size_t>(k)],
                      layout.hintRoom - answerWidth - key.answerGap);
    }
}

void DrawPictureAnswers(PrinterCanvas& dc, const PageLayout& layout, const AnswerKeyLayout& key,
                        const Font& font, const PageContent& page) {
    const std::vector<DevicePoint> places = AnswerPicturePositions(layout, key, page.hintCount);
    dc.SetTextAlign(TA_LEFT | TA_TOP);
    for (std::size_t k = 0; k < places.size(); ++k) {
        const DevicePoint at = places[k];
        if (k < page.pictures.size()) {
            DrawPicture(dc, page.pictures[k], at.x, at.y, layout.pictureWidth,
                        layout.pictureHeight);
        }
        const DevicePoint word{at.x + layout.pictureWidth + key.answerGap,
                               at.y + (layout.pictureHeight - layout.fontHeight) / 2};
        TextOutFitted(dc, font, word, AnswerOf(page, static_cast<int>(k)), key.pictureAnswerRoom);
    }
}

} // namespace

void DrawAnswerKey(PrinterCanvas& dc, const PageContent& page) {
    const PageLayout layout = LayoutPage(dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
    const AnswerKeyLayout key = LayoutAnswerKey(layout);
    const Font font = PageFont(layout);
    dc.SelectObject(font);
    DrawTitle(
        dc, layout, font,
        LibraryBytes(
            QCoreApplication::translate("AnswerKey", kKeyTitle).arg(LibraryText(page.title))));
    DrawCapsules(dc, layout, key, page);
    DrawGrid(dc, layout, page.letters);
    if (page.pictureHints) {
        DrawPictureAnswers(dc, layout, key, font, page);
    } else {
        DrawTextAnswers(dc, layout, key, font, page);
    }
}

} // namespace lexiglade
