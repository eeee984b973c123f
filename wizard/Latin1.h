#pragma once
// The library's texts are bytes, one per character: the form's strings go to and from Latin-1.
#include <QString>

#include <string>

namespace lexiglade {

inline std::string Latin1(const QString& text) {
    return text.toLatin1().toStdString();
}

inline QString FromLatin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace lexiglade
