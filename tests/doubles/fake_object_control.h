#pragma once
// An in-memory double of the process and window control seam: a table of processes with
// their priority classes, and a log of every action requested, in order.

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "platform/object_control.h"

namespace orvane::testing {

class FakeObjectControl : public ObjectControl {
 public:
  // Processes that can be opened, with their current priority class (0: the query fails).
  std::map<uint32_t, uint32_t> processes;
  // Every action, as "open 12", "terminate 12 1", "get 12", "set 12 0x80", "close 12",
  // "show 0x1234 5", "post-close 0x1234", "open-failed 12", "place 0x1234 0 0 400 300 restore".
  std::vector<std::string> actions;
  std::map<uint32_t, uint32_t> exitCodes;  // processes terminated, with their exit codes
  std::map<uint32_t, uint32_t> windows;    // windows that exist, with their processes
  std::map<uint32_t, WindowPlace> places;  // windows that exist, with their places
  ScreenLayout screen;

  std::optional<ProcessToken> OpenProcess(uint32_t processId) override {
    if (!processes.count(processId)) {
      actions.push_back("open-failed " + std::to_string(processId));
      return std::nullopt;
    }
    actions.push_back("open " + std::to_string(processId));
    const ProcessToken token = nextToken_++;
    open_[token] = processId;
    return token;
  }
  void TerminateProcess(ProcessToken process, uint32_t exitCode) override {
    const uint32_t pid = Pid(process);
    actions.push_back("terminate " + std::to_string(pid) + " " + std::to_string(exitCode));
    exitCodes[pid] = exitCode;
  }
  uint32_t GetPriorityClass(ProcessToken process) override {
    const uint32_t pid = Pid(process);
    actions.push_back("get " + std::to_string(pid));
    return processes[pid];
  }
  void SetPriorityClass(ProcessToken process, uint32_t priorityClass) override {
    const uint32_t pid = Pid(process);
    actions.push_back("set " + std::to_string(pid) + " " + Hex(priorityClass));
    processes[pid] = priorityClass;
  }
  void CloseProcess(ProcessToken process) override {
    actions.push_back("close " + std::to_string(Pid(process)));
    open_.erase(process);
  }
  void ShowWindow(uint32_t window, ShowCommand command) override {
    actions.push_back("show " + Hex(window) + " " + std::to_string(static_cast<int>(command)));
  }
  void PostClose(uint32_t window) override { actions.push_back("post-close " + Hex(window)); }
  bool IsWindowOf(uint32_t window, uint32_t processId) override {
    const auto found = windows.find(window);
    return found != windows.end() && found->second == processId;
  }

  std::optional<WindowPlace> PlaceOf(uint32_t window) override {
    const auto found = places.find(window);
    if (found == places.end()) return std::nullopt;
    return found->second;
  }
  ScreenLayout Screen() override { return screen; }
  void PlaceWindow(uint32_t window, const Rect& rect, bool restore) override {
    actions.push_back("place " + Hex(window) + " " + std::to_string(rect.left) + " " +
                      std::to_string(rect.top) + " " + std::to_string(rect.width) + " " +
                      std::to_string(rect.height) + (restore ? " restore" : ""));
    places[window] = {rect, false};
  }

  // Tokens handed out and not closed yet.
  std::size_t OpenCount() const { return open_.size(); }

  static std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", value);
    return text;
  }

 private:
  uint32_t Pid(ProcessToken process) const {
    auto it = open_.find(process);
    return it == open_.end() ? 0 : it->second;  // 0: a token never handed out, or closed
  }

  ProcessToken nextToken_ = 100;
  std::map<ProcessToken, uint32_t> open_;
};

}  // namespace orvane::testing
