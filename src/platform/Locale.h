#pragma once

#include <string>

namespace tavo {

struct Date {
    int Year = 2000;
    int Month = 1;
    int Day = 1;
};

// The user's locale as the system uses it, passed around as data so that tests fix it.
// ShortDateFormat uses the tokens d, dd, m, mm, yy and yyyy; every other character is copied.
struct LocaleSettings {
    std::string ShortDateFormat = "dd/mm/yyyy";
    char DecimalSeparator = '.';
};

// The settings of the environment's locale (LC_TIME and LC_NUMERIC), read without changing
// the process's own locale.
LocaleSettings SystemLocaleSettings();

// A strftime date format ("%d/%m/%Y") in the token form above ("dd/mm/yyyy").
std::string DateFormatFromStrftime(const std::string& format);

std::string FormatShortDate(const LocaleSettings& locale, const Date& date);

// Today's date in local time.
Date Today();
// The minutes since midnight, in local time.
int MinuteOfDay();

// The print date and time of reports: the short date, a space, the time as hh:mm.
std::string PrintDateTime(const LocaleSettings& locale, const Date& date, int minuteOfDay);

}  // namespace tavo
