#pragma once
// The fixed table of well-known executables: a description for the information box and a flag
// for the programs that belong to the operating system.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/clock.h"

namespace orvane {

struct KnownProgram {
  std::string_view name;  // lower case; the key
  bool system;
  std::string_view description;
};

class KnownPrograms {
 public:
  // locale: lower-cases the names asked for; not owned, must outlive the table.
  explicit KnownPrograms(Locale& locale);

  // The description of the row named text after lower-casing, or the empty text.
  std::string_view DescribeProgram(std::string_view text) const;
  // The system flag of the row named text after lower-casing, or false.
  bool IsSystemProgram(std::string_view text) const;

  std::size_t size() const { return rows_.size(); }

 private:
  const KnownProgram* Find(std::string_view text) const;

  Locale& locale_;  // not owned
  std::unordered_map<std::string_view, const KnownProgram*> rows_;
};

}  // namespace orvane
