#pragma once
// In-memory doubles of the platform seams, for the native tests.

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/clock.h"
#include "platform/registry.h"
#include "snapshot/snapshot_source.h"

namespace orvane::testing {

// ASCII lower-casing, standing in for the platform's locale-aware one.
inline std::string AsciiLower(std::string_view text) {
  std::string s(text);
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

struct FakeProcess {
  uint32_t processId;
  std::string exeFile;
  int32_t basePriority = 8;
  ProcessCounters counters{};
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
  bool hung = false;
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
  uint32_t processors = 2;
  uint32_t ownPriorityClass = kNormalPriorityClass;
  std::vector<uint32_t> priorityClassesSet;

  void EnumProcesses(const std::function<void(const ProcessEntry&)>& each) override {
    for (const FakeProcess& p : processes)
      each({p.processId, p.basePriority, p.exeFile, p.counters});
  }
  void EnumThreads(const std::function<void(const ThreadEntry&)>& each) override {
    for (const ThreadEntry& t : threads) each(t);
  }
  void EnumWindows(const std::function<void(const WindowEntry&)>& each) override {
    for (const FakeWindow& w : windows) {
      each({w.handle, w.processId, w.threadId, w.title, w.left, w.top, w.right, w.bottom, w.visible,
            w.iconic, w.zoomed, w.hung});
    }
  }
  MemoryFigures Memory() override { return memory; }
  std::string ComputerName() override { return computerName; }
  std::string UserName() override { return userName; }
  uint32_t CurrentProcessId() override { return ownProcessId; }
  uint32_t ProcessorCount() override { return processors; }
  uint32_t OwnPriorityClass() override { return ownPriorityClass; }
  void SetOwnPriorityClass(uint32_t priorityClass) override {
    ownPriorityClass = priorityClass;
    priorityClassesSet.push_back(priorityClass);
  }
};

// Keys and their values in memory. Paths and names compare without regard to ASCII letter
// case, as the registry's do; values enumerate in the order in which they were first set,
// subkeys in alphabetical order. A key exists when it was set up or lies on the path of one
// that was.
class FakeRegistry : public Registry {
 public:
  struct Value {
    std::string name;
    std::optional<std::string> text;  // REG_SZ
    std::optional<uint32_t> dword;    // REG_DWORD; neither: another type, such as binary
  };

  bool refuseWrites = false;  // as without the right to change the keys

  void AddKey(RegistryRoot root, std::string_view key) { KeyAt(root, key); }
  // Each creates the key when needed and keeps the place of a value that is replaced.
  void SetString(RegistryRoot root, std::string_view key, std::string_view name,
                 std::string_view text) {
    Set(root, key, name, std::string(text), std::nullopt);
  }
  void SetDword(RegistryRoot root, std::string_view key, std::string_view name, uint32_t value) {
    Set(root, key, name, std::nullopt, value);
  }
  void SetBinary(RegistryRoot root, std::string_view key, std::string_view name) {
    Set(root, key, name, std::nullopt, std::nullopt);
  }
  bool HasKey(RegistryRoot root, std::string_view key) const {
    const std::string below = std::string(key) + "\\";
    for (const Key& k : keys_) {
      if (k.root == root && (SameText(k.path, key) || StartsWith(k.path, below))) return true;
    }
    return false;
  }

  std::optional<std::string> ReadString(RegistryRoot root, std::string_view key,
                                        std::string_view name) override {
    const Value* v = Find(root, key, name);
    return v ? v->text : std::nullopt;
  }
  std::optional<uint32_t> ReadDword(RegistryRoot root, std::string_view key,
                                    std::string_view name) override {
    const Value* v = Find(root, key, name);
    return v ? v->dword : std::nullopt;
  }
  bool HasValue(RegistryRoot root, std::string_view key, std::string_view name) override {
    return Find(root, key, name) != nullptr;
  }
  bool CreateKey(RegistryRoot root, std::string_view key) override {
    if (refuseWrites) return false;
    AddKey(root, key);
    return true;
  }
  bool WriteString(RegistryRoot root, std::string_view key, std::string_view name,
                   std::string_view data) override {
    if (refuseWrites || !HasKey(root, key)) return false;
    SetString(root, key, name, data);
    return true;
  }
  bool DeleteValue(RegistryRoot root, std::string_view key, std::string_view name) override {
    if (refuseWrites) return false;
    for (Key& k : keys_) {
      if (k.root != root || !SameText(k.path, key)) continue;
      for (auto v = k.values.begin(); v != k.values.end(); ++v) {
        if (SameText(v->name, name)) {
          k.values.erase(v);
          return true;
        }
      }
    }
    return false;
  }
  std::vector<RegistryValue> EnumValues(RegistryRoot root, std::string_view key) override {
    std::vector<RegistryValue> out;
    for (const Key& k : keys_) {
      if (k.root != root || !SameText(k.path, key)) continue;
      for (const Value& v : k.values)
        out.push_back({v.name, v.text.has_value(), v.text.value_or("")});
    }
    return out;
  }
  std::vector<std::string> EnumSubkeys(RegistryRoot root, std::string_view key) override {
    const std::string below = key.empty() ? "" : std::string(key) + "\\";
    std::vector<std::string> out;
    for (const Key& k : keys_) {
      if (k.root != root || !StartsWith(k.path, below)) continue;
      const std::string rest = k.path.substr(below.size());
      const std::string name = rest.substr(0, rest.find('\\'));
      if (name.empty()) continue;
      const bool listed = std::any_of(out.begin(), out.end(),
                                      [&](const std::string& o) { return SameText(o, name); });
      if (!listed) out.push_back(name);
    }
    std::sort(out.begin(), out.end(), [](const std::string& a, const std::string& b) {
      return AsciiLower(a) < AsciiLower(b);
    });
    return out;
  }

 private:
  struct Key {
    RegistryRoot root;
    std::string path;
    std::vector<Value> values;  // in the order first set
  };

  static bool SameText(std::string_view a, std::string_view b) {
    return AsciiLower(a) == AsciiLower(b);
  }
  static bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
  }

  Key& KeyAt(RegistryRoot root, std::string_view key) {
    for (Key& k : keys_) {
      if (k.root == root && SameText(k.path, key)) return k;
    }
    return keys_.emplace_back(Key{root, std::string(key), {}});
  }
  void Set(RegistryRoot root, std::string_view key, std::string_view name,
           std::optional<std::string> text, std::optional<uint32_t> dword) {
    Key& k = KeyAt(root, key);
    auto v = std::find_if(k.values.begin(), k.values.end(),
                          [&](const Value& value) { return SameText(value.name, name); });
    if (v == k.values.end()) v = k.values.insert(v, Value{std::string(name), {}, {}});
    v->text = std::move(text);
    v->dword = dword;
  }
  const Value* Find(RegistryRoot root, std::string_view key, std::string_view name) const {
    for (const Key& k : keys_) {
      if (k.root != root || !SameText(k.path, key)) continue;
      for (const Value& v : k.values) {
        if (SameText(v.name, name)) return &v;
      }
    }
    return nullptr;
  }

  std::vector<Key> keys_;
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
  // "dd.mm.yyyy hh:mm:ss", in UTC.
  std::string DateTimeText(uint64_t fileTime) override {
    using namespace std::chrono;
    constexpr uint64_t kUnixEpoch = 116444736000000000ull;  // 1970 in 100 ns units since 1601
    if (fileTime < kUnixEpoch) return {};
    const sys_seconds at{seconds{(fileTime - kUnixEpoch) / 10000000u}};
    const sys_days day = floor<days>(at);
    const year_month_day date{day};
    const hh_mm_ss time{at - day};
    char text[32];
    std::snprintf(text, sizeof text, "%02u.%02u.%04d %02d:%02d:%02d",
                  static_cast<unsigned>(date.day()), static_cast<unsigned>(date.month()),
                  static_cast<int>(date.year()), static_cast<int>(time.hours().count()),
                  static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
    return text;
  }
};

// Groups digits by three with a separator of choice ("" for none).
class FakeLocale : public Locale {
 public:
  std::string thousands = ",";

  std::string Lower(std::string_view text) override { return AsciiLower(text); }
  std::string GroupDigits(uint64_t value) override {
    const std::string digits = std::to_string(value);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
      if (i > 0 && (digits.size() - i) % 3 == 0) text += thousands;
      text += digits[i];
    }
    return text;
  }
};

}  // namespace orvane::testing
