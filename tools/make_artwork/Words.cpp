#include "Words.h"

#include <stdexcept>
#include <string>

namespace lexiglade::artwork {

namespace {

const QTranslator* drawn = nullptr; // English while none

} // namespace

DrawnLanguage::DrawnLanguage(const QTranslator& catalogue) {
    drawn = &catalogue;
}

DrawnLanguage::~DrawnLanguage() {
    drawn = nullptr;
}

QString Word(const char* source) {
    return Word(MarkedWord{source, nullptr});
}

QString Word(const MarkedWord& marked) {
    if (drawn == nullptr) {
        return QString::fromUtf8(marked.source);
    }
    const QString word = drawn->translate("Artwork", marked.source, marked.disambiguation);
    if (word.isEmpty()) {
        throw std::runtime_error(drawn->filePath().toStdString() + " has no translation of \"" +
                                 marked.source + "\"");
    }
    return word;
}

} // namespace lexiglade::artwork
