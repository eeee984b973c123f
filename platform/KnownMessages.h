#pragma once
// Texts for people that come from the layers without Qt as plain English: the errors of the
// library, the engine and the drawing and printing layers, the stages of a filing, the clock and
// the best-time report. Each is made from a known template and its arguments; the player sees the
// template's translation with the same arguments.
#include <QString>

#include <string_view>

namespace lexiglade {

// `english` (UTF-8) in the player's language when it is made from a known template, an argument
// that is itself a message (a reason) translated as well; any other text as it stands.
QString TranslatedMessage(std::string_view english);

// A problem a check of a library reports (one line of LibraryProblems), in the player's language
// as TranslatedMessage translates a message.
QString TranslatedProblem(std::string_view english);

} // namespace lexiglade
