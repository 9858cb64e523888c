// Creation stamps of container files: OLE Automation dates (days since
// 1899-12-30 00:00, the fraction being the time of day).
#pragma once
#include <string>
#include <string_view>

namespace vd {

// The current local date and time.
double NowOleDate();

double EncodeOleDate(int year, int month, int day, int hour, int minute, int second, int msec);
// Seconds since 1970-01-01 00:00 as an OLE date, without time-zone shift.
double UnixSecondsToOleDate(double seconds);

// "YYYY-MM-DD HH:MM:SS.mmm"; the fraction is rounded to milliseconds.
// Values that do not stand for a date between the years 1 and 9999 give "invalid".
std::string FormatOleDate(double stamp);
// Accepts "YYYY-MM-DD", "YYYY-MM-DD HH:MM:SS" or "YYYY-MM-DDTHH:MM:SS",
// optionally followed by ".mmm" (1 to 3 digits). Returns false on anything else.
bool ParseOleDate(std::string_view text, double& stamp);

}  // namespace vd
