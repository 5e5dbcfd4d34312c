#pragma once
// An in-memory double of the files seam: a map from path to content; writes to the paths in
// `refused` fail as the real adapter does, leaving the old content.

#include <map>
#include <set>
#include <string>

#include "platform/error.h"
#include "platform/files.h"

namespace orvane::testing {

class FakeFiles : public Files {
 public:
  std::map<std::string, std::string> files;
  std::set<std::string> refused;

  bool Exists(std::string_view path) override { return files.contains(std::string(path)); }
  bool Delete(std::string_view path) override { return files.erase(std::string(path)) > 0; }
  std::optional<std::string> ReadAll(std::string_view path) override {
    auto it = files.find(std::string(path));
    if (it == files.end()) return std::nullopt;
    return it->second;
  }
  void WriteAll(std::string_view path, std::string_view bytes) override {
    if (refused.contains(std::string(path))) throw Error(CannotCreateFileText(path));
    files[std::string(path)] = std::string(bytes);
  }
};

}  // namespace orvane::testing
