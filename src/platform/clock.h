#pragma once
// The clock and locale seams: ticks, sleeping and the user's rendering of the date and time;
// the locale's lower-casing and digit grouping. One Win32 adapter each
// (platform/win32/system_services.h) and an in-memory double for native tests.

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual uint32_t TickCount() = 0;  // milliseconds, wrapping
  virtual void Sleep(uint32_t milliseconds) = 0;
  // The current local date and time as the user's regional settings render them,
  // date and time separated by one blank.
  virtual std::string NowText() = 0;
  // A moment (100 ns units since 1601, UTC) in local time, rendered as NowText renders the
  // current one; empty when it cannot be rendered.
  virtual std::string DateTimeText(uint64_t fileTime) = 0;
};

class Locale {
 public:
  virtual ~Locale() = default;
  // The platform's locale-aware lower-casing of 8-bit ANSI text.
  virtual std::string Lower(std::string_view text) = 0;
  // A whole number in decimal, its digits grouped as the user's regional settings group them
  // ("12,345").
  virtual std::string GroupDigits(uint64_t value) = 0;
};

}  // namespace orvane
