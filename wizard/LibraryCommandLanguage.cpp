// The library command in the player's language: its own texts, and the library's errors and a
// check's problems, which come as English from the layers below.
#include "platform/KnownMessages.h"
#include "platform/Texts.h"
#include "wizard/LibraryCommandParts.h"
#include "wizard/LibraryCommandTexts.h"

#include <QCoreApplication>

namespace lexiglade {

std::string CommandText(const char* text, std::initializer_list<std::string_view> values) {
    const QByteArray translated =
        QCoreApplication::translate(CommandTexts::kContext, text).toUtf8();
    return FillText(
        std::string_view(translated.constData(), static_cast<std::size_t>(translated.size())),
        values);
}

std::string ErrorMessage(const std::exception& error) {
    return ErrorText(error).toStdString();
}

std::string ProblemMessage(const std::string& problem) {
    return TranslatedProblem(problem).toStdString();
}

} // namespace lexiglade
