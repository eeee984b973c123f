#include "platform/LogCategories.h"

namespace lexiglade {

// Warnings and above by default: information and debugging need QT_LOGGING_RULES.
Q_LOGGING_CATEGORY(AudioLog, "lexiglade.audio", QtWarningMsg)
Q_LOGGING_CATEGORY(LibraryLog, "lexiglade.library", QtWarningMsg)
Q_LOGGING_CATEGORY(PrintLog, "lexiglade.print", QtWarningMsg)
Q_LOGGING_CATEGORY(UiLog, "lexiglade.ui", QtWarningMsg)

} // namespace lexiglade
