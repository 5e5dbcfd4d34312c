#pragma once
// An in-memory double of the message-box seam: records every box shown and answers the
// confirmations of both kinds from one script (Yes or OK once the script runs out).

#include <deque>
#include <string>
#include <vector>

#include "platform/message_boxes.h"

namespace orvane::testing {

class FakeMessageBoxes : public MessageBoxes {
 public:
  std::vector<std::string> messages;       // plain boxes, in order
  std::vector<std::string> confirmations;  // Yes/No warning questions, in order
  std::vector<std::string> okCancels;      // OK/Cancel warning questions, in order
  std::deque<bool> answers;                // the next answers; empty: Yes or OK

  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  bool ConfirmWarning(std::string_view text) override {
    confirmations.emplace_back(text);
    return NextAnswer();
  }
  bool ConfirmOkCancel(std::string_view text) override {
    okCancels.emplace_back(text);
    return NextAnswer();
  }

 private:
  bool NextAnswer() {
    if (answers.empty()) return true;
    const bool goOn = answers.front();
    answers.pop_front();
    return goOn;
  }
};

}  // namespace orvane::testing
