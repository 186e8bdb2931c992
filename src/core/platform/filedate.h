#pragma once
// Calendar dates of the local time zone, and a file's modification date read and set as
// such a date. The update check limits itself through the date of its local file.

#include <optional>
#include <string>

namespace tarnel {

struct CivilDate {
    int year = 1970, month = 1, day = 1;
    /// Days since 1970-01-01 (proleptic Gregorian), for comparing and adding days.
    long dayNumber() const;
    static CivilDate fromDayNumber(long days);
    CivilDate plusDays(long n) const { return fromDayNumber(dayNumber() + n); }
    friend bool operator<(const CivilDate& a, const CivilDate& b) {
        return a.dayNumber() < b.dayNumber();
    }
    friend bool operator==(const CivilDate& a, const CivilDate& b) {
        return a.year == b.year && a.month == b.month && a.day == b.day;
    }
};

/// Today in the local time zone.
CivilDate localToday();
/// The local calendar date of the file's modification time; nullopt when it has none.
std::optional<CivilDate> fileDate(const std::string& path);
/// Sets the file's modification time to local midnight of `date`; throws EM on failure.
void setFileDate(const std::string& path, const CivilDate& date);

} // namespace tarnel
