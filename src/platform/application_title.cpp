#include "platform/application_title.h"

namespace orvane {

namespace {

std::string& Title() {
  static std::string title = "Orvane 2000";
  return title;
}

}  // namespace

const std::string& ApplicationTitle() {
  return Title();
}

void SetApplicationTitle(const std::string& title) {
  Title() = title;
}

}  // namespace orvane
