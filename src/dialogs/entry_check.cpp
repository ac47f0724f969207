#include "dialogs/entry_check.h"

#include "dialogs/entry_mask.h"

namespace {

constexpr int64_t kNotANumber = -1;

// The number in the characters first..last (0-based), or kNotANumber when one is not a digit.
int64_t Number(const std::string& text, size_t first, size_t last) {
    int64_t value = 0;
    for (size_t i = first; i <= last; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return kNotANumber;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool IsLeapYear(int64_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int64_t DaysInMonth(int64_t year, int64_t month) {
    constexpr int64_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '/' || text[7] != '/') return false;
    const int64_t year = Number(text, 0, 3);
    const int64_t month = Number(text, 5, 6);
    const int64_t day = Number(text, 8, 9);
    if (year < 1 || month < 1 || month > 12 || day < 1) return false;
    return day <= DaysInMonth(year, month);
}

bool IsTime(const std::string& text) {
    if (text.size() != 8 || text[2] != ':' || text[5] != ':') return false;
    const int64_t hours = Number(text, 0, 1);
    const int64_t minutes = Number(text, 3, 4);
    const int64_t seconds = Number(text, 6, 7);
    return hours >= 0 && hours < 24 && minutes >= 0 && minutes < 60 && seconds >= 0 && seconds < 60;
}

bool IsHemisphere(char letter, bool latitude) {
    return latitude ? letter == 'N' || letter == 'S' : letter == 'E' || letter == 'W';
}

// "DDD°MM.MMMM'H": degrees, minutes and decimal minutes read as the one number DDDMMMMMM.
bool IsDecimalMinutePosition(const std::string& text, bool latitude) {
    if (text.size() != 13) return false;
    const int64_t degrees = Number(text, 0, 2);
    const int64_t minutes = Number(text, 4, 5);
    const int64_t decimals = Number(text, 7, 10);
    if (degrees < 0 || minutes < 0 || minutes >= 60 || decimals < 0 || decimals >= 10000)
        return false;
    const int64_t whole = (degrees * 100 + minutes) * 10000 + decimals;
    return whole <= (latitude ? 90000000 : 180000000) && IsHemisphere(text[12], latitude);
}

// "DDD°MM'SS"H": degrees, minutes and seconds read as the one number DDDMMSS, so that 90°00'00"
// is the largest latitude and 180°00'00" the largest longitude.
bool IsSecondsPosition(const std::string& text, bool latitude) {
    if (text.size() != 11) return false;
    const int64_t degrees = Number(text, 0, 2);
    const int64_t minutes = Number(text, 4, 5);
    const int64_t seconds = Number(text, 7, 8);
    if (degrees < 0 || minutes < 0 || minutes >= 60 || seconds < 0 || seconds >= 60) return false;
    const int64_t whole = (degrees * 100 + minutes) * 100 + seconds;
    return whole <= (latitude ? 900000 : 1800000) && IsHemisphere(text[10], latitude);
}

}  // namespace

bool PassesEntryCheck(const std::string& valueText, int32_t mode) {
    switch (mode) {
        case clsEntryMode::kDate:
        case clsEntryMode::kDateMonthFirst:
        case clsEntryMode::kDateDayFirst:
            return IsDate(valueText);
        case clsEntryMode::kTime:
            return IsTime(valueText);
        case clsEntryMode::kLatitudeSeconds:
        case clsEntryMode::kLongitudeSeconds:
            return IsSecondsPosition(valueText, mode == clsEntryMode::kLatitudeSeconds);
        case clsEntryMode::kLatitude:
        case clsEntryMode::kLongitude:
            return IsDecimalMinutePosition(valueText, mode == clsEntryMode::kLatitude);
        default:
            return false;
    }
}
