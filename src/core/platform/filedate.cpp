#include "core/platform/filedate.h"

#include "core/text/em.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>

namespace tarnel {

// Howard Hinnant's days-from-civil and its inverse.
long CivilDate::dayNumber() const {
    const long y = month <= 2 ? year - 1 : year;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long mp = (month + 9) % 12;
    const long doy = (153 * mp + 2) / 5 + day - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilDate CivilDate::fromDayNumber(long z) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    CivilDate d;
    d.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    d.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    d.year = static_cast<int>(yoe + era * 400 + (d.month <= 2 ? 1 : 0));
    return d;
}

namespace {
CivilDate fromTime(time_t t) {
    struct tm tmv {};
    localtime_r(&t, &tmv);
    return CivilDate{tmv.tm_year + 1900, tmv.tm_mon + 1, tmv.tm_mday};
}
} // namespace

CivilDate localToday() {
    return fromTime(std::time(nullptr));
}

std::optional<CivilDate> fileDate(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return fromTime(st.st_mtim.tv_sec);
}

void setFileDate(const std::string& path, const CivilDate& date) {
    struct tm tmv {};
    tmv.tm_year = date.year - 1900;
    tmv.tm_mon = date.month - 1;
    tmv.tm_mday = date.day;
    tmv.tm_isdst = -1; // midnight as the local zone has it on that day
    const time_t t = std::mktime(&tmv);
    struct timespec times[2] = {{0, UTIME_OMIT}, {t, 0}};
    if (t == static_cast<time_t>(-1) || ::utimensat(AT_FDCWD, path.c_str(), times, 0) != 0)
        throw EM("Cannot set the date of " + path + ": " + std::strerror(errno));
}

} // namespace tarnel
