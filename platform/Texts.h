#pragma once
// The two encodings of the game's texts, as Qt strings. Library text (titles, words, hints, folder
// names) is Latin-1, one byte a character, as the folder tree shows it; texts for people (error
// messages, reports) are UTF-8, with any library text in them converted already.
#include <QString>

#include <exception>
#include <string>
#include <string_view>

namespace lexiglade {

QString LibraryText(std::string_view text);
// A string of the form as library text; a character beyond Latin-1 becomes '?'.
std::string LibraryBytes(const QString& text);

QString MessageText(std::string_view text);
// The text of an error, which the general error box shows, in the player's language.
QString ErrorText(const std::exception& error);

} // namespace lexiglade
