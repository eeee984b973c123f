#include "engine/BestTimes.h"

#include "engine/Duration.h"
#include "library/TextList.h"

namespace lexiglade {

std::string BestTimeFileName(bool backwardWords) {
    return backwardWords ? "a15.asl" : "a14.asl";
}

std::string RecordBestTime(const std::string& dataDir, std::int32_t puzzleIndex,
                           std::int32_t elapsedSeconds, bool backwardWords) {
    std::string report = FormatDuration(elapsedSeconds);
    const std::string path = dataDir + BestTimeFileName(backwardWords);
    TextList list = ReadList(path);
    const std::int32_t best = StrToInt(ListItem(list, puzzleIndex));
    report += "... Previous best was " + FormatDuration(best);
    if (elapsedSeconds < best) {
        list[static_cast<std::size_t>(puzzleIndex)] = std::to_string(elapsedSeconds);
        WriteList(path, list);
        report += "... Recording new record.";
    } else {
        report += "...You did not beat the old record.";
    }
    return "Time taken: " + report;
}

} // namespace lexiglade
