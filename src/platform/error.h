#pragma once
// The program's one error type: internal consistency failures carrying a fixed English text.
// The Win32 edge shows it in the standard error box and the program goes on.

#include <stdexcept>
#include <string>

namespace orvane {

class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& text) : std::runtime_error(text) {}
};

}  // namespace orvane
