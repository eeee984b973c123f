#include "wizard/CheckMessages.h"

#include "platform/Texts.h"

#include <QCoreApplication>

#include <string_view>

namespace lexiglade {

namespace {

// The context the checks' texts are marked with: the puzzle maker's form.
constexpr const char* kChecksContext = "lexiglade::Tlxedit";

} // namespace

QString CheckText(const char* text) {
    return QCoreApplication::translate(kChecksContext, text);
}

QString VerdictText(const Verdict& verdict) {
    if (verdict.text == nullptr) {
        const std::string& message = verdict.message;
        const std::string_view start = kPictureMissing;
        const std::string_view end = kPictureMissingEnd;
        if (message.starts_with(start) && message.ends_with(end)) { // around the data folder
            return CheckText(kPictureMissing) +
                   MessageText(std::string_view(message).substr(
                       start.size(), message.size() - start.size() - end.size())) +
                   CheckText(kPictureMissingEnd);
        }
        return CheckText(message.c_str());
    }
    const QString text = CheckText(verdict.text);
    return verdict.subject.empty() ? text : text.arg(LibraryText(verdict.subject));
}

} // namespace lexiglade
