#pragma once
// In-memory doubles of the platform seams, for the native tests.

#include <cctype>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "snapshot/platform.h"

namespace orvane::testing {

struct FakeProcess {
  uint32_t processId;
  std::string exeFile;
  int32_t basePriority = 8;
};

struct FakeWindow {
  uint32_t handle;
  uint32_t processId;
  uint32_t threadId;
  std::string title;
  int32_t left = 10, top = 10, right = 410, bottom = 310;
  bool visible = true;
  bool iconic = false;
  bool zoomed = false;
};

class FakeSnapshotSource : public SnapshotSource {
 public:
  std::vector<FakeProcess> processes;
  std::vector<ThreadEntry> threads;
  std::vector<FakeWindow> windows;
  MemoryFigures memory{134217728ull, 42};
  std::string computerName = "WORKSTATION";
  std::string userName = "alice";
  uint32_t ownProcessId = 4242;
  uint32_t ownPriorityClass = kNormalPriorityClass;
  std::vector<uint32_t> priorityClassesSet;

  void EnumProcesses(const std::function<void(const ProcessEntry&)>& each) override {
    for (const FakeProcess& p : processes) each({p.processId, p.basePriority, p.exeFile});
  }
  void EnumThreads(const std::function<void(const ThreadEntry&)>& each) override {
    for (const ThreadEntry& t : threads) each(t);
  }
  void EnumWindows(const std::function<void(const WindowEntry&)>& each) override {
    for (const FakeWindow& w : windows) {
      each({w.handle, w.processId, w.threadId, w.title, w.left, w.top, w.right, w.bottom, w.visible,
            w.iconic, w.zoomed});
    }
  }
  MemoryFigures Memory() override { return memory; }
  std::string ComputerName() override { return computerName; }
  std::string UserName() override { return userName; }
  uint32_t CurrentProcessId() override { return ownProcessId; }
  uint32_t OwnPriorityClass() override { return ownPriorityClass; }
  void SetOwnPriorityClass(uint32_t priorityClass) override {
    ownPriorityClass = priorityClass;
    priorityClassesSet.push_back(priorityClass);
  }
};

class FakeRegistry : public Registry {
 public:
  using Path = std::tuple<RegistryRoot, std::string, std::string>;
  std::map<Path, std::string> strings;
  std::map<Path, uint32_t> dwords;

  std::optional<std::string> ReadString(RegistryRoot root, std::string_view key,
                                        std::string_view name) override {
    auto it = strings.find({root, std::string(key), std::string(name)});
    if (it == strings.end()) return std::nullopt;
    return it->second;
  }
  std::optional<uint32_t> ReadDword(RegistryRoot root, std::string_view key,
                                    std::string_view name) override {
    auto it = dwords.find({root, std::string(key), std::string(name)});
    if (it == dwords.end()) return std::nullopt;
    return it->second;
  }
};

// Time passes only by Sleep, plus an optional extra per sleep while the own process runs at
// normal priority (the load that the estimator is meant to see).
class FakeClock : public Clock {
 public:
  uint32_t now = 1000;
  uint32_t extraPerNormalSleep = 0;
  const FakeSnapshotSource* priorityOf = nullptr;
  std::string nowText = "07.12.2026 21:43:00";

  uint32_t TickCount() override { return now; }
  void Sleep(uint32_t milliseconds) override {
    now += milliseconds;
    if (priorityOf && priorityOf->ownPriorityClass == kNormalPriorityClass) {
      now += extraPerNormalSleep;
    }
  }
  std::string NowText() override { return nowText; }
};

// ASCII lower-casing stands in for the platform's locale-aware one.
class FakeLocale : public Locale {
 public:
  std::string Lower(std::string_view text) override {
    std::string s(text);
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  }
};

}  // namespace orvane::testing
