#pragma once
// The flat, fixed-size object records that the collector streams to the view model.
// Their offsets and sizes are an interface between the two threads: checked below.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string_view>
#include <type_traits>

namespace orvane {

enum ObjectKind : int32_t {
  kKindRoot = 0,
  kKindComputer = 1,
  kKindProcess = 2,
  kKindThread = 3,
  kKindWindow = 4,
};

constexpr std::size_t kTextField = 64;  // 63 characters and a terminator
constexpr std::size_t kMaxWindowTitle = 62;

struct ObjectKey {
  int32_t kind;
  int32_t rootId;
  int32_t computerId;
  uint32_t processId;
  uint32_t threadId;
  uint32_t windowHandle;  // in a process record: mainWindow
};

struct RootRecord {
  ObjectKey key;
};

struct ComputerRecord {
  ObjectKey key;
  uint32_t memoryTotal;  // decimal megabytes
  uint32_t memoryLoad;   // percent
  uint32_t reserved1;
  uint32_t reserved2;
  int32_t osCode;
  int32_t cpuLoad;
  char computerName[kTextField];
  char userName[kTextField];
};

struct ProcessRecord {
  ObjectKey key;  // key.windowHandle is the process's mainWindow
  int32_t basePriority;
  int32_t osCode;
  char fileName[kTextField];
  char directory[kTextField];
  char caption[kTextField];

  uint32_t mainWindow() const { return key.windowHandle; }
};

struct ThreadRecord {
  ObjectKey key;
  int32_t basePriority;
};

struct WindowRecord {
  ObjectKey key;
  int32_t showState;  // 0 minimised, 1 maximised, 2 normal
  uint8_t visible;
  uint8_t hung;  // 1: a visible window whose thread has not taken its messages for a while
  uint8_t pad[2];
  int32_t width;
  int32_t height;
  int32_t left;
  int32_t top;
  char title[kTextField];
};

enum ShowState : int32_t { kShowMinimised = 0, kShowMaximised = 1, kShowNormal = 2 };

constexpr int32_t kRootRecordSize = 24;
constexpr int32_t kComputerRecordSize = 176;
constexpr int32_t kProcessRecordSize = 224;
constexpr int32_t kThreadRecordSize = 28;
constexpr int32_t kWindowRecordSize = 112;

static_assert(sizeof(ObjectKey) == 24);
static_assert(sizeof(RootRecord) == kRootRecordSize);
static_assert(sizeof(ComputerRecord) == kComputerRecordSize);
static_assert(sizeof(ProcessRecord) == kProcessRecordSize);
static_assert(sizeof(ThreadRecord) == kThreadRecordSize);
static_assert(sizeof(WindowRecord) == kWindowRecordSize);
static_assert(offsetof(ComputerRecord, memoryTotal) == 24 &&
              offsetof(ComputerRecord, osCode) == 40 && offsetof(ComputerRecord, cpuLoad) == 44 &&
              offsetof(ComputerRecord, computerName) == 48 &&
              offsetof(ComputerRecord, userName) == 112);
static_assert(offsetof(ProcessRecord, basePriority) == 24 &&
              offsetof(ProcessRecord, osCode) == 28 && offsetof(ProcessRecord, fileName) == 32 &&
              offsetof(ProcessRecord, directory) == 96 && offsetof(ProcessRecord, caption) == 160);
static_assert(offsetof(ThreadRecord, basePriority) == 24);
static_assert(offsetof(WindowRecord, showState) == 24 && offsetof(WindowRecord, visible) == 28 &&
              offsetof(WindowRecord, hung) == 29 && offsetof(WindowRecord, width) == 32 &&
              offsetof(WindowRecord, height) == 36 && offsetof(WindowRecord, left) == 40 &&
              offsetof(WindowRecord, top) == 44 && offsetof(WindowRecord, title) == 48);
static_assert(std::is_trivially_copyable_v<ProcessRecord> &&
              std::is_trivially_copyable_v<WindowRecord> &&
              std::is_trivially_copyable_v<ComputerRecord>);

// The size of the record of each kind; 0 for a kind outside 0..4.
int32_t RecordSize(int32_t kind);

// a and b describe the same object: same kind and equal words 1..kind+1.
bool KeyEquals(const ObjectKey& a, const ObjectKey& b);
// a is a proper ancestor of b in the hierarchy root > computer > process > thread > window.
bool KeyIsAncestor(const ObjectKey& a, const ObjectKey& b);

// Copies at most max characters of text (and never more than the field holds) and always
// leaves a terminator; the rest of the field is zeroed so records compare byte for byte.
void CopyText(char (&field)[kTextField], std::string_view text, std::size_t max = kTextField - 1);

// The text of a field, up to its terminator (or the field's end if it has none).
std::string_view FieldText(const char (&field)[kTextField]);

// The collector's two values that the GUI thread reads without the hand-over.
class TrayKey {
 public:
  ObjectKey Load() const {
    std::lock_guard lock(mutex_);
    return key_;
  }
  void Store(const ObjectKey& key) {
    std::lock_guard lock(mutex_);
    key_ = key;
  }

 private:
  mutable std::mutex mutex_;
  ObjectKey key_{};
};

// A process with this executable file name is the companion.
constexpr std::string_view kTrayExeName = "tray.exe";
// The title of the companion's top-level window; WM_CLOSE to it ends the companion.
constexpr std::string_view kTrayWindowTitle = "ORVANE2000TRAYWINDOW";

// What the collector sees of the companion, read by the GUI thread.
struct TrayShared {
  std::atomic<int32_t> TrayRunning{0};
  TrayKey TrayWindowKey;  // all zero until a tray window is seen; never cleared
};

}  // namespace orvane
