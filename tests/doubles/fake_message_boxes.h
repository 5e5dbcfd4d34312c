#pragma once
// An in-memory double of the message-box seam: records every box shown and answers the
// confirmations from a script (Yes once the script runs out).

#include <deque>
#include <string>
#include <vector>

#include "app/message_boxes.h"

namespace orvane::testing {

class FakeMessageBoxes : public MessageBoxes {
 public:
  std::vector<std::string> messages;       // plain boxes, in order
  std::vector<std::string> confirmations;  // warning questions, in order
  std::deque<bool> answers;                // the next answers; empty: Yes

  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  bool ConfirmWarning(std::string_view text) override {
    confirmations.emplace_back(text);
    if (answers.empty()) return true;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
  }
};

}  // namespace orvane::testing
