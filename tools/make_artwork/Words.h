#pragma once
// The artwork's words: in English as written here, or, while a language is drawn, from that
// language's catalogue of the game's translations, where they stand in the context "Artwork".
#include <QString>
#include <QTranslator>

namespace lexiglade::artwork {

// While it lives, Word reads the language of `catalogue`, a loaded catalogue of translations.
class DrawnLanguage {
  public:
    explicit DrawnLanguage(const QTranslator& catalogue);
    ~DrawnLanguage();
    DrawnLanguage(const DrawnLanguage&) = delete;
    DrawnLanguage& operator=(const DrawnLanguage&) = delete;
};

// `source`, marked with QT_TRANSLATE_NOOP("Artwork", ...), in the language being drawn. Throws
// std::runtime_error naming the catalogue when it has no translation of `source`.
QString Word(const char* source);
// A word marked with QT_TRANSLATE_NOOP3("Artwork", source, disambiguation), for one English word
// that stands in two places in two senses.
struct MarkedWord {
    const char* source;
    const char* disambiguation;
};
QString Word(const MarkedWord& word);

} // namespace lexiglade::artwork
