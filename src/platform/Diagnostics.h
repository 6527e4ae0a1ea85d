#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tavo {

// A moment as diagnostic lines show it, in local time.
struct DiagnosticTime {
    int Year = 2000;
    int Month = 1;
    int Day = 1;
    int Hour = 0;
    int Minute = 0;
};

// The current local date and time.
DiagnosticTime CurrentDiagnosticTime();

// "[" + "d/m/yy hh:nn" + ":" + unit + "] " + message, e.g. "[5/3/24 09:07:TVRdata] Unable to
// add a network item": day and month without leading zeros, the year's last two digits, the
// hour (0-23) and minute with two digits each.
std::string FormatDiagnosticLine(const DiagnosticTime& when, std::string_view unit,
                                 std::string_view message);

// Where diagnostic lines go. By default they go to standard error with the current time; a
// test passes its own sink and clock and so reads the exact lines. Copies are cheap and share
// nothing, so each owner (the tag store, ...) keeps its own.
class Diagnostics {
  public:
    using Sink = std::function<void(const std::string& line)>;
    using Clock = std::function<DiagnosticTime()>;

    // Standard error, current time.
    Diagnostics();
    // An empty sink drops the lines; an empty clock takes the current time.
    Diagnostics(Sink sink, Clock clock);

    // Formats the line and hands it to the sink. Never throws: a diagnostic must not stop the
    // work it reports on, not even when memory is short.
    void Write(std::string_view unit, std::string_view message) const noexcept;

    // The default sink: the line, converted to UTF-8, and a line end on standard error.
    static void WriteToStandardError(const std::string& line);

  private:
    Sink sink_;
    Clock clock_;
};

}  // namespace tavo
