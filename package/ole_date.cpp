#include "package/ole_date.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <string>

namespace vd {
namespace {

// Days from 1970-01-01 to the given civil date (proleptic Gregorian).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int64_t& y, unsigned& m, unsigned& d) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    y = static_cast<int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y += m <= 2;
}

// Appends value in decimal, zero-padded to at least `width` digits.
void AppendDigits(std::string& out, uint64_t value, size_t width) {
    const std::string digits = std::to_string(value);
    if (digits.size() < width) out.append(width - digits.size(), '0');
    out += digits;
}

const int64_t kOleEpochDays = DaysFromCivil(1899, 12, 30);  // relative to 1970-01-01
constexpr double kMsPerDay = 86400000.0;

}  // namespace

double EncodeOleDate(int year, int month, int day, int hour, int minute, int second, int msec) {
    double days = static_cast<double>(DaysFromCivil(year, static_cast<unsigned>(month),
                                                    static_cast<unsigned>(day)) - kOleEpochDays);
    double time = ((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + msec;
    time /= kMsPerDay;
    // Before the epoch the fraction counts forward from the day, with the sign of the day.
    return days >= 0 ? days + time : days - time;
}

double UnixSecondsToOleDate(double seconds) { return -static_cast<double>(kOleEpochDays) + seconds / 86400.0; }

double NowOleDate() {
    using namespace std::chrono;
    auto now = system_clock::now();
    auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count();
    std::time_t t = static_cast<std::time_t>(ms / 1000);
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &t);
#else
    localtime_r(&t, &tm);
#endif
    return EncodeOleDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec,
                         static_cast<int>(ms % 1000));
}

std::string FormatOleDate(double stamp) {
    if (!std::isfinite(stamp) || stamp < -693593.0 || stamp > 2958466.0) return "invalid";
    double whole = std::trunc(stamp);
    auto ms = static_cast<int64_t>(std::llround(std::fabs(stamp - whole) * kMsPerDay));
    auto days = static_cast<int64_t>(whole);
    if (ms >= 86400000) {  // rounding reached the next day
        ms -= 86400000;
        days += stamp >= 0 ? 1 : -1;
    }
    int64_t y;
    unsigned m, d;
    CivilFromDays(days + kOleEpochDays, y, m, d);
    // Years run from 1 to 9999 here (the range checked above).
    std::string text;
    AppendDigits(text, static_cast<uint64_t>(y), 4);
    text += '-';
    AppendDigits(text, m, 2);
    text += '-';
    AppendDigits(text, d, 2);
    text += ' ';
    AppendDigits(text, static_cast<uint64_t>(ms / 3600000), 2);
    text += ':';
    AppendDigits(text, static_cast<uint64_t>(ms / 60000 % 60), 2);
    text += ':';
    AppendDigits(text, static_cast<uint64_t>(ms / 1000 % 60), 2);
    text += '.';
    AppendDigits(text, static_cast<uint64_t>(ms % 1000), 3);
    return text;
}

bool ParseOleDate(std::string_view text, double& stamp) {
    auto digits = [&](size_t pos, size_t n, int& out) {
        if (pos + n > text.size()) return false;
        out = 0;
        for (size_t i = pos; i < pos + n; ++i) {
            if (text[i] < '0' || text[i] > '9') return false;
            out = out * 10 + (text[i] - '0');
        }
        return true;
    };
    int y, mo, d, h = 0, mi = 0, s = 0, ms = 0;
    if (!digits(0, 4, y) || text.size() < 10 || text[4] != '-' || !digits(5, 2, mo) || text[7] != '-' ||
        !digits(8, 2, d))
        return false;
    size_t pos = 10;
    if (pos < text.size()) {
        if ((text[pos] != ' ' && text[pos] != 'T') || !digits(pos + 1, 2, h) || text.size() < pos + 9 ||
            text[pos + 3] != ':' || !digits(pos + 4, 2, mi) || text[pos + 6] != ':' || !digits(pos + 7, 2, s))
            return false;
        pos += 9;
        if (pos < text.size()) {
            size_t n = text.size() - pos - 1;
            if (text[pos] != '.' || n < 1 || n > 3 || !digits(pos + 1, n, ms)) return false;
            for (size_t i = n; i < 3; ++i) ms *= 10;
        }
    }
    static const int kDaysIn[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 1 || mo < 1 || mo > 12 || d < 1 || d > kDaysIn[mo - 1] || h > 23 || mi > 59 || s > 59) return false;
    bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    if (mo == 2 && d == 29 && !leap) return false;
    stamp = EncodeOleDate(y, mo, d, h, mi, s, ms);
    return true;
}

}  // namespace vd
