#include "dialogs/entry_check.h"

#include <gtest/gtest.h>

#include "dialogs/entry_mask.h"

namespace {

struct CheckCase {
    int32_t mode;
    const char* text;
    bool passes;
};

const CheckCase kCases[] = {
    // dates, "yyyy/mm/dd" in every date mode
    {clsEntryMode::kDate, "2026/12/11", true},
    {clsEntryMode::kDateMonthFirst, "2026/01/31", true},
    {clsEntryMode::kDateDayFirst, "2026/04/30", true},
    {clsEntryMode::kDate, "2026/13/11", false},  // month 13
    {clsEntryMode::kDate, "2026/00/11", false},
    {clsEntryMode::kDate, "2026/04/31", false},
    {clsEntryMode::kDate, "2026/12/00", false},
    {clsEntryMode::kDate, "2028/02/29", true},  // leap year
    {clsEntryMode::kDate, "2026/02/29", false},
    {clsEntryMode::kDate, "2100/02/29", false},  // a century is no leap year
    {clsEntryMode::kDate, "2000/02/29", true},   // unless it divides by 400
    {clsEntryMode::kDate, "2026-12-11", false},
    {clsEntryMode::kDate, "2026/1A/11", false},
    {clsEntryMode::kDate, "2026/12/1", false},
    // time
    {clsEntryMode::kTime, "00:00:00", true},
    {clsEntryMode::kTime, "23:59:59", true},
    {clsEntryMode::kTime, "24:00:00", false},  // hour 24
    {clsEntryMode::kTime, "12:60:00", false},
    {clsEntryMode::kTime, "12:00:60", false},
    {clsEntryMode::kTime, "12.00.00", false},
    // degrees and decimal minutes
    {clsEntryMode::kLatitude,
     "012\xB0"
     "34.5678'N",
     true},
    {clsEntryMode::kLatitude,
     "090\xB0"
     "00.0000'S",
     true},
    {clsEntryMode::kLatitude,
     "090\xB0"
     "00.0001'N",
     false},
    {clsEntryMode::kLatitude,
     "012\xB0"
     "60.0000'N",
     false},  // minute 60
    {clsEntryMode::kLatitude,
     "012\xB0"
     "34.5678'E",
     false},  // E is no latitude
    {clsEntryMode::kLatitude,
     "012\xB0"
     "34.5678'n",
     false},  // the engine reads "n" as south
    {clsEntryMode::kLatitude,
     " 12\xB0"
     "34.5678'N",
     false},  // a blank is no digit
    {clsEntryMode::kLatitude,
     "012\xB0"
     "34.5678'",
     false},
    {clsEntryMode::kLongitude,
     "180\xB0"
     "00.0000'W",
     true},
    {clsEntryMode::kLongitude,
     "180\xB0"
     "00.0001'E",
     false},
    {clsEntryMode::kLongitude,
     "123\xB0"
     "45.6789'N",
     false},
    {clsEntryMode::kLongitude,
     "999\xB0"
     "99.9999'E",
     false},
    // degrees, minutes and seconds: hemisphere at character 11
    {clsEntryMode::kLatitudeSeconds,
     "012\xB0"
     "34'56\"N",
     true},
    {clsEntryMode::kLatitudeSeconds,
     "090\xB0"
     "00'00\"S",
     true},
    {clsEntryMode::kLatitudeSeconds,
     "090\xB0"
     "00'01\"N",
     false},
    {clsEntryMode::kLatitudeSeconds,
     "012\xB0"
     "34'60\"N",
     false},  // second 60
    {clsEntryMode::kLatitudeSeconds,
     "012\xB0"
     "60'00\"N",
     false},
    {clsEntryMode::kLatitudeSeconds,
     "012\xB0"
     "34'56\"W",
     false},
    {clsEntryMode::kLatitudeSeconds,
     "012\xB0"
     "34.5678'N",
     false},  // the other layout
    {clsEntryMode::kLongitudeSeconds,
     "180\xB0"
     "00'00\"E",
     true},
    {clsEntryMode::kLongitudeSeconds,
     "180\xB0"
     "00'01\"W",
     false},
    {clsEntryMode::kLongitudeSeconds,
     "123\xB0"
     "45'06\"S",
     false},
    // no such mode
    {8, "2026/12/11", false},
    {-1, "00:00:00", false},
};

TEST(EntryCheck, AcceptsOnlyRealDatesTimesAndPositions) {
    for (const CheckCase& c : kCases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " " << c.text);
        EXPECT_EQ(PassesEntryCheck(c.text, c.mode), c.passes);
    }
}

}  // namespace
