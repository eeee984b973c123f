#include "engine/Duration.h"

#include <gtest/gtest.h>

namespace lexiglade {
namespace {

TEST(FormatDuration, MinutesAndSecondsWithHoursOnlyAboveOneHour) {
    const std::pair<std::int32_t, const char*> cases[] = {
        {0, "00:00"},      {5, "00:05"},      {59, "00:59"},     {60, "01:00"},
        {65, "01:05"},     {161, "02:41"},    {300, "05:00"},    {599, "09:59"},
        {600, "10:00"},    {930, "15:30"},    {3599, "59:59"},   {3600, "60:00"},
        {3601, "1:00:01"}, {3725, "1:02:05"}, {7200, "2:00:00"}, {36610, "10:10:10"},
    };
    for (const auto& [seconds, text] : cases) {
        EXPECT_EQ(FormatDuration(seconds), text) << seconds << " s";
    }
}

} // namespace
} // namespace lexiglade
