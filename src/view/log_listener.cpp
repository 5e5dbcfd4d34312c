#include "view/log_listener.h"

#include <string>

namespace orvane {

namespace {

constexpr std::size_t kModifiedColumn = 42;

std::string Line(std::string_view head, std::string_view name, std::string_view separator,
                 std::string_view now) {
  std::string line;
  line.reserve(head.size() + name.size() + separator.size() + now.size());
  line.append(head).append(name).append(separator).append(now);
  return line;
}

}  // namespace

bool LogListener::Created(const TrackedObject& object) {
  const std::string now = clock_.NowText();
  const int32_t kind = object.key.kind;
  if (kind == kKindComputer && LogStartCountdown > 0) {
    if (LogStartCountdown == 2) {
      output_.AppendLine(
          Line("Log started at ", FieldText(object.computer().computerName), "\t", now));
      output_.AppendLine("");
    }
    --LogStartCountdown;
    // Untracked, so the next cycle's computer record comes here again.
    return false;
  }
  if (LogStartCountdown < 1) {
    if (kind == kKindProcess && (LogFlags & kLogProcess) != 0) {
      output_.AppendLine(Line("Process created ", FieldText(object.process().fileName), "\t", now));
    } else if (kind == kKindThread && (LogFlags & kLogThread) != 0) {
      output_.AppendLine(Line("Thread created  ", std::to_string(object.key.threadId), " ", now));
    } else if (kind == kKindWindow && (LogFlags & kLogWindow) != 0) {
      output_.AppendLine(Line("Window created  ", FieldText(object.window().title), "\t", now));
    }
  }
  return true;
}

bool LogListener::Removed(const TrackedObject& object) {
  const std::string now = clock_.NowText();
  const int32_t kind = object.key.kind;
  if (kind == kKindProcess && (LogFlags & kLogProcess) != 0) {
    output_.AppendLine(Line("Process removed ", FieldText(object.process().fileName), "\t", now));
  } else if (kind == kKindThread && (LogFlags & kLogThread) != 0) {
    output_.AppendLine(Line("Thread removed  ", std::to_string(object.key.threadId), "\t", now));
  } else if (kind == kKindWindow && (LogFlags & kLogWindow) != 0) {
    output_.AppendLine(Line("Window removed  ", FieldText(object.window().title), "\t", now));
  }
  return true;
}

void LogListener::Modified(const TrackedObject& object) {
  const std::string now = clock_.NowText();
  const int32_t kind = object.key.kind;
  std::string head;
  if (kind == kKindProcess && (LogFlags & kLogProcessMod) != 0) {
    head = Line("Process modified ", FieldText(object.process().fileName), "", "");
  } else if (kind == kKindThread && (LogFlags & kLogThreadMod) != 0) {
    head = Line("Thread modified  ", std::to_string(object.key.threadId), "", "");
  } else if (kind == kKindWindow && (LogFlags & kLogWindowMod) != 0) {
    head = Line("Window modified  ", FieldText(object.window().title), "", "");
  } else {
    return;
  }
  if (head.size() < kModifiedColumn) head.resize(kModifiedColumn, ' ');
  output_.AppendLine(head + now);
}

}  // namespace orvane
