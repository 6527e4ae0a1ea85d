#include "platform/Diagnostics.h"

#include <cstdio>
#include <ctime>
#include <iostream>
#include <utility>

#include "platform/CodePage.h"

namespace tavo {

DiagnosticTime CurrentDiagnosticTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (::localtime_r(&now, &local) == nullptr) return {};
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min};
}

std::string FormatDiagnosticLine(const DiagnosticTime& when, std::string_view unit,
                                 std::string_view message) {
    // Two digits of the year also for years before 2000 or a negative year of a broken clock.
    int year = when.Year % 100;
    if (year < 0) year += 100;
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%d/%d/%02d %02d:%02d", when.Day, when.Month, year,
                  when.Hour, when.Minute);
    std::string line = "[";
    line += stamp;
    line += ':';
    line += unit;
    line += "] ";
    line += message;
    return line;
}

Diagnostics::Diagnostics() : sink_(&Diagnostics::WriteToStandardError) {}

Diagnostics::Diagnostics(Sink sink, Clock clock)
    : sink_(std::move(sink)), clock_(std::move(clock)) {}

void Diagnostics::Write(std::string_view unit, std::string_view message) const noexcept {
    if (!sink_) return;
    try {
        const DiagnosticTime when = clock_ ? clock_() : CurrentDiagnosticTime();
        sink_(FormatDiagnosticLine(when, unit, message));
    } catch (...) {
        // Out of memory for the line itself (or a failing sink): the line is lost, the work
        // goes on.
    }
}

void Diagnostics::WriteToStandardError(const std::string& line) {
    std::cerr << Cp1252ToUtf8(line) << '\n';
}

}  // namespace tavo
