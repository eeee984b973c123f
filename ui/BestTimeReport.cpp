#include "ui/BestTimeReport.h"

#include "engine/Duration.h"

namespace lexiglade {

std::string BestTimeReport(std::int32_t elapsedSeconds, const BestTimeRecord& record) {
    return "Time taken: " + FormatDuration(elapsedSeconds) + "... Previous best was " +
           FormatDuration(record.previousBest) +
           (record.recorded ? "... Recording new record." : "...You did not beat the old record.");
}

} // namespace lexiglade
