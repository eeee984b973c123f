#include "platform/Texts.h"

#include "platform/KnownMessages.h"

namespace lexiglade {

QString LibraryText(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string LibraryBytes(const QString& text) {
    return text.toLatin1().toStdString();
}

QString MessageText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString ErrorText(const std::exception& error) {
    return TranslatedMessage(error.what());
}

} // namespace lexiglade
