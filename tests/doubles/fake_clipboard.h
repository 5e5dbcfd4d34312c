#pragma once
// An in-memory double of the clipboard seam: the texts put on it, in order, and a switch that
// makes it refuse, as when another program keeps the clipboard open.

#include <string>
#include <vector>

#include "platform/clipboard.h"

namespace orvane::testing {

class FakeClipboard : public Clipboard {
 public:
  std::vector<std::string> texts;  // accepted, in order
  bool refuse = false;

  bool SetText(std::string_view text) override {
    if (refuse) return false;
    texts.emplace_back(text);
    return true;
  }
};

}  // namespace orvane::testing
