#include "platform/Locale.h"

#include <langinfo.h>
#include <locale.h>

#include <ctime>

namespace tavo {

LocaleSettings SystemLocaleSettings() {
    LocaleSettings settings;
    locale_t locale = ::newlocale(LC_TIME_MASK | LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
    if (locale == static_cast<locale_t>(0)) return settings;
    const char* dateFormat = ::nl_langinfo_l(D_FMT, locale);
    if (dateFormat != nullptr && *dateFormat != '\0')
        settings.ShortDateFormat = DateFormatFromStrftime(dateFormat);
    const char* radix = ::nl_langinfo_l(RADIXCHAR, locale);
    if (radix != nullptr && radix[0] != '\0' && radix[1] == '\0')
        settings.DecimalSeparator = radix[0];
    ::freelocale(locale);
    return settings;
}

std::string DateFormatFromStrftime(const std::string& format) {
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 >= format.size()) {
            out.push_back(format[i]);
            continue;
        }
        char spec = format[++i];
        // Flags and the E/O modifiers change nothing for the short date.
        while ((spec == 'E' || spec == 'O' || spec == '-' || spec == '_' || spec == '0') &&
               i + 1 < format.size())
            spec = format[++i];
        switch (spec) {
            case 'd':
                out += "dd";
                break;
            case 'e':
                out += "d";
                break;
            case 'm':
                out += "mm";
                break;
            case 'y':
                out += "yy";
                break;
            case 'Y':
                out += "yyyy";
                break;
            case 'D':
                out += "mm/dd/yy";
                break;
            case 'F':
                out += "yyyy-mm-dd";
                break;
            case '%':
                out += "%";
                break;
            default:
                break;
        }
    }
    return out.empty() ? LocaleSettings{}.ShortDateFormat : out;
}

namespace {

std::string Padded(int value, int width) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    while (static_cast<int>(digits.size()) < width) digits.insert(digits.begin(), '0');
    return digits;
}

std::size_t RunOf(const std::string& text, std::size_t at) {
    std::size_t n = 0;
    const char c = text[at];
    while (at + n < text.size() && (text[at + n] | 0x20) == (c | 0x20)) ++n;
    return n;
}

}  // namespace

std::string FormatShortDate(const LocaleSettings& locale, const Date& date) {
    const std::string& format = locale.ShortDateFormat;
    std::string out;
    std::size_t i = 0;
    while (i < format.size()) {
        const char c = static_cast<char>(format[i] | 0x20);
        if (c == 'd' || c == 'm') {
            const std::size_t run = RunOf(format, i);
            out += Padded(c == 'd' ? date.Day : date.Month, run >= 2 ? 2 : 1);
            i += run;
        } else if (c == 'y') {
            const std::size_t run = RunOf(format, i);
            out += run >= 3 ? Padded(date.Year, 4) : Padded(date.Year % 100, 2);
            i += run;
        } else {
            out.push_back(format[i]);
            ++i;
        }
    }
    return out;
}

Date Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

int MinuteOfDay() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return local.tm_hour * 60 + local.tm_min;
}

std::string PrintDateTime(const LocaleSettings& locale, const Date& date, int minuteOfDay) {
    const int hour = minuteOfDay / 60;
    const int minute = minuteOfDay % 60;
    return FormatShortDate(locale, date) + " " + (hour < 10 ? "0" : "") + std::to_string(hour) +
           ":" + (minute < 10 ? "0" : "") + std::to_string(minute);
}

}  // namespace tavo
