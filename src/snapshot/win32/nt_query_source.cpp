#include "snapshot/win32/nt_query_source.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace orvane::win32 {

namespace {

constexpr int kSystemProcessInformation = 5;
constexpr long kStatusInfoLengthMismatch = static_cast<long>(0xC0000004L);
// Beyond this the list cannot be real: stop growing rather than exhaust memory.
constexpr std::size_t kMaxBufferBytes = 256u << 20;

// The system's records, laid out as the platform defines them for both word sizes; only
// the leading fields are read, the rest pads to the documented size.
struct CountedWideText {
  uint16_t length;  // bytes
  uint16_t maximumLength;
  const wchar_t* buffer;
};

struct ProcessInformation {
  uint32_t nextEntryOffset;
  uint32_t threadCount;
  int64_t reserved[3];
  int64_t createTime, userTime, kernelTime;
  CountedWideText imageName;
  int32_t basePriority;
  void* uniqueProcessId;
  void* inheritedFromProcessId;
  uint32_t handleCount;
  uint32_t sessionId;
  uintptr_t uniqueProcessKey;
  std::size_t peakVirtualSize, virtualSize;
  uint32_t pageFaultCount;
  std::size_t peakWorkingSetSize, workingSetSize;
  std::size_t quotaPools[4];
  std::size_t pagefileUsage, peakPagefileUsage;
  std::size_t privatePageCount;
  int64_t ioCounters[6];
};

struct ThreadInformation {
  int64_t kernelTime, userTime, createTime;
  uint32_t waitTime;
  void* startAddress;
  void* uniqueProcess;
  void* uniqueThread;
  int32_t priority;
  int32_t basePriority;
  uint32_t contextSwitches;
  uint32_t threadState;
  uint32_t waitReason;
};

#ifdef _WIN64
static_assert(sizeof(ProcessInformation) == 0x100);
static_assert(sizeof(ThreadInformation) == 0x50);
#else
static_assert(sizeof(ProcessInformation) == 0xB8);
static_assert(sizeof(ThreadInformation) == 0x40);
#endif

uint32_t Word(const void* handle) {
  return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(handle));
}

// The process name as the tool-help entry holds it: the image name in the ANSI code page,
// cut to the entry's MAX_PATH characters. The idle process has no name there; tool-help
// calls it "[System Process]".
std::string_view ExeFile(const ProcessInformation& process, char (&text)[MAX_PATH]) {
  const int chars = static_cast<int>(
      std::min<std::size_t>(process.imageName.length / sizeof(wchar_t), MAX_PATH - 1));
  if (chars == 0 || !process.imageName.buffer) {
    return Word(process.uniqueProcessId) == 0 ? std::string_view("[System Process]")
                                              : std::string_view();
  }
  const int bytes = WideCharToMultiByte(CP_ACP, 0, process.imageName.buffer, chars, text,
                                        MAX_PATH - 1, nullptr, nullptr);
  return std::string_view(text, bytes > 0 ? static_cast<std::size_t>(bytes) : 0);
}

uint64_t Unsigned(int64_t time) {
  return time > 0 ? static_cast<uint64_t>(time) : 0;
}

// The figures beside the name. Wine leaves a process's own times at zero but fills its threads'.
ProcessCounters Counters(const ProcessInformation& process, const ThreadInformation* threads) {
  ProcessCounters counters;
  counters.parentProcessId = Word(process.inheritedFromProcessId);
  counters.threadCount = process.threadCount;
  counters.handleCount = process.handleCount;
  counters.createTime = Unsigned(process.createTime);
  counters.kernelTime = Unsigned(process.kernelTime);
  counters.userTime = Unsigned(process.userTime);
  if (counters.kernelTime == 0 && counters.userTime == 0) {
    for (uint32_t i = 0; i < process.threadCount; ++i) {
      counters.kernelTime += Unsigned(threads[i].kernelTime);
      counters.userTime += Unsigned(threads[i].userTime);
    }
  }
  counters.privateBytes = process.pagefileUsage;
  counters.workingSet = process.workingSetSize;
  return counters;
}

// Walks the list with a bounds check on every record, so that a short or damaged answer ends
// the walk instead of reading past the buffer.
template <typename Each>
void Walk(const std::vector<uint64_t>& buffer, Each&& each) {
  const auto* base = reinterpret_cast<const unsigned char*>(buffer.data());
  const std::size_t size = buffer.size() * sizeof(uint64_t);
  std::size_t at = 0;
  for (;;) {
    if (size - at < sizeof(ProcessInformation)) return;
    const auto* process = reinterpret_cast<const ProcessInformation*>(base + at);
    const std::size_t room = (size - at - sizeof(ProcessInformation)) / sizeof(ThreadInformation);
    if (process->threadCount > room) return;
    each(*process, reinterpret_cast<const ThreadInformation*>(process + 1));
    const std::size_t next = process->nextEntryOffset;
    if (next == 0 || next > size - at) return;
    at += next;
  }
}

}  // namespace

bool ToolhelpRequested() {
  const char* choice = std::getenv("ORVANE_SNAPSHOT");
  return choice && std::string_view(choice) == "toolhelp";
}

NtQuerySource::NtQuerySource(bool toolhelpOnly) {
  if (toolhelpOnly) return;
  if (HMODULE ntdll = GetModuleHandleA("ntdll.dll")) {
    query_ = reinterpret_cast<QueryFunction>(
        reinterpret_cast<void*>(GetProcAddress(ntdll, "NtQuerySystemInformation")));
  }
  buffer_.resize(64 * 1024 / sizeof(uint64_t));
}

bool NtQuerySource::Query() {
  if (!query_) return false;
  for (;;) {
    const std::size_t bytes = buffer_.size() * sizeof(uint64_t);
    unsigned long needed = 0;
    const long status = query_(kSystemProcessInformation, buffer_.data(),
                               static_cast<unsigned long>(bytes), &needed);
    if (status >= 0) return bytes >= sizeof(ProcessInformation);
    if (status != kStatusInfoLengthMismatch || bytes >= kMaxBufferBytes) return false;
    // Room for what it asked and for processes started before the next try.
    const std::size_t next = std::max<std::size_t>(bytes * 2, needed + needed / 4);
    buffer_.assign((std::min(next, kMaxBufferBytes) + 7) / sizeof(uint64_t), 0);
  }
}

void NtQuerySource::EnumProcesses(const std::function<void(const ProcessEntry&)>& each) {
  threadsPending_ = Query();
  if (!threadsPending_) {
    ToolhelpSource::EnumProcesses(each);
    return;
  }
  Walk(buffer_, [&](const ProcessInformation& process, const ThreadInformation* threads) {
    char text[MAX_PATH];
    each({Word(process.uniqueProcessId), ProcessBasePriority(process.basePriority),
          ExeFile(process, text), Counters(process, threads)});
  });
}

void NtQuerySource::EnumThreads(const std::function<void(const ThreadEntry&)>& each) {
  const bool pending = threadsPending_;
  threadsPending_ = false;
  if (!pending && !Query()) {
    ToolhelpSource::EnumThreads(each);
    return;
  }
  Walk(buffer_, [&](const ProcessInformation& process, const ThreadInformation* threads) {
    for (uint32_t i = 0; i < process.threadCount; ++i) {
      each(
          {Word(threads[i].uniqueProcess), Word(threads[i].uniqueThread), threads[i].basePriority});
    }
  });
}

}  // namespace orvane::win32
