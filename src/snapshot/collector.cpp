#include "snapshot/collector.h"

#include <cstring>

#include "snapshot/records.h"

namespace orvane {

namespace {

constexpr std::size_t kFieldChars = kTextField - 1;
constexpr std::string_view kEllipsisFolder = "...\\";

ObjectKey ChildKey(const ObjectKey& header, int32_t kind) {
  ObjectKey key{};
  key.kind = kind;
  key.rootId = header.rootId;
  key.computerId = header.computerId;
  return key;
}

// right - left as the platform's 32-bit arithmetic gives it, without overflow on odd rectangles.
int32_t Difference(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

}  // namespace

ExePath SplitExePath(std::string_view exeFile, Locale& locale) {
  const std::size_t lastSlash = exeFile.rfind('\\');
  ExePath path;
  if (lastSlash != std::string_view::npos) {
    path.directory = locale.Lower(exeFile.substr(0, lastSlash + 1));
    exeFile.remove_prefix(lastSlash + 1);
  }
  path.fileName =
      exeFile.find('.') != std::string_view::npos ? locale.Lower(exeFile) : std::string(exeFile);
  return path;
}

std::string ShortenFileName(std::string_view fileName) {
  if (fileName.size() <= kFieldChars) return std::string(fileName);
  const std::size_t dot = fileName.rfind('.');
  const std::size_t extension = dot == std::string_view::npos ? 0 : fileName.size() - dot;
  if (extension == 0 || extension > 16) return std::string(fileName.substr(0, kFieldChars));
  std::string shortened(fileName.substr(0, kFieldChars - extension));
  shortened += fileName.substr(dot);
  return shortened;
}

std::string ShortenDirectory(std::string_view directory) {
  if (directory.size() <= kFieldChars) return std::string(directory);
  // Keep the drive ("c:\") or the first folder, and as many whole last folders as fit.
  std::size_t headEnd = directory.find('\\') + 1;
  if (headEnd > 16) headEnd = 0;
  const std::string_view head = directory.substr(0, headEnd);
  const std::size_t room = kFieldChars - head.size() - kEllipsisFolder.size();
  std::string_view tail = directory.substr(directory.size() - room);
  const std::size_t folderStart = tail.find('\\');
  if (folderStart != std::string_view::npos && folderStart + 1 < tail.size()) {
    tail.remove_prefix(folderStart + 1);
  }
  std::string shortened(head);
  shortened += kEllipsisFolder;
  shortened += tail;
  return shortened;
}

int32_t WindowScore(const WindowRecord& window) {
  if (!window.visible) return 0;
  int32_t score = 5 * static_cast<int32_t>(FieldText(window.title).size());
  if (window.width > 0 && window.width < 2000 && window.height > 0 && window.height < 2000) {
    score += window.width + window.height / 100;
  }
  if (window.left > 0 && window.left < 2000 && window.top > 0 && window.top < 2000) score -= 10;
  return score;
}

Collector::Collector(SnapshotSource& source, Registry& registry, Clock& clock, Locale& locale,
                     TrayShared& tray)
    : source_(source), registry_(registry), clock_(clock), locale_(locale), tray_(tray) {}

void Collector::Collect(RecordOutput& out) {
  const RootRecord root{};
  out.Send(&root, kRootRecordSize);
  CollectComputer(out);
}

void Collector::CollectComputer(RecordOutput& out) {
  tray_.TrayRunning = 0;

  ComputerRecord computer{};
  computer.key.kind = kKindComputer;
  const MemoryFigures memory = source_.Memory();
  computer.memoryTotal = MemoryMegabytes(memory.totalPhys);
  computer.memoryLoad = memory.memoryLoad;
  osCode_ = ReadOsCode(registry_);
  computer.osCode = osCode_;
  CopyText(computer.computerName, source_.ComputerName());
  CopyText(computer.userName, source_.UserName());
  computer.cpuLoad = cpuLoad_.Measure(source_, clock_);
  out.Send(&computer, kComputerRecordSize);
  header_ = computer.key;

  CollectProcesses(out);
  out.EndPass();
  CollectThreads(out);
  out.EndPass();
  CollectWindows(out);
  out.EndPass();
}

void Collector::CollectProcesses(RecordOutput& out) {
  const uint32_t ownProcessId = source_.CurrentProcessId();
  figures_.Begin(clock_.TickCount(), source_.ProcessorCount());
  source_.EnumProcesses([&](const ProcessEntry& entry) { SendProcess(entry, out, ownProcessId); });
  figures_.End(clock_.TickCount());
}

void Collector::SendProcess(const ProcessEntry& entry, RecordOutput& out, uint32_t ownProcessId) {
  ProcessRecord process{};
  process.key = ChildKey(header_, kKindProcess);
  process.key.processId = entry.processId;
  process.basePriority = entry.basePriority;
  process.osCode = osCode_;

  const ExePath path = SplitExePath(entry.exeFile, locale_);
  CopyText(process.fileName, ShortenFileName(path.fileName));
  CopyText(process.directory, ShortenDirectory(path.directory));
  std::memcpy(process.caption, process.fileName, kTextField);
  figures_.Add(entry.processId, entry.counters, FieldText(process.fileName));

  // Each window-pass result is used by exactly one process pass.
  MainTitle& main = mainTitles_[entry.processId];
  if (main.score != 0) {
    std::memcpy(process.caption, main.title, kTextField);
    process.key.windowHandle = mainHandles_[entry.processId];
    main.score = 0;
  }

  // Under Wine the snapshot can catch a process before its image is named. It is listed a cycle
  // later, named, so that the log never records its creation without a name.
  if (path.fileName.empty()) return;
  const std::string lowered = locale_.Lower(FieldText(process.fileName));
  if (lowered == kTrayExeName) {
    tray_.TrayRunning = 1;
    return;
  }
  if (lowered == kOwnExeName || entry.processId == ownProcessId) return;
  out.Send(&process, kProcessRecordSize);
}

void Collector::CollectThreads(RecordOutput& out) {
  source_.EnumThreads([&](const ThreadEntry& entry) {
    ThreadRecord thread{};
    thread.key = ChildKey(header_, kKindThread);
    thread.key.processId = entry.ownerProcessId;
    thread.key.threadId = entry.threadId;
    thread.basePriority = entry.basePriority;
    out.Send(&thread, kThreadRecordSize);
  });
}

void Collector::CollectWindows(RecordOutput& out) {
  source_.EnumWindows([&](const WindowEntry& entry) {
    WindowRecord window{};
    window.key = ChildKey(header_, kKindWindow);
    window.key.processId = entry.processId;
    window.key.threadId = entry.threadId;
    window.key.windowHandle = entry.handle;
    CopyText(window.title, entry.title, kMaxWindowTitle);
    window.left = entry.left;
    window.top = entry.top;
    window.width = Difference(entry.right, entry.left);
    window.height = Difference(entry.bottom, entry.top);
    window.visible = entry.visible ? 1 : 0;
    window.hung = entry.visible && entry.hung ? 1 : 0;
    window.showState = entry.iconic ? kShowMinimised : entry.zoomed ? kShowMaximised : kShowNormal;
    out.Send(&window, kWindowRecordSize);

    const std::string_view title = FieldText(window.title);
    if (title == kTrayWindowTitle) tray_.TrayWindowKey.Store(window.key);
    if (title.size() > 5) {
      const int32_t score = WindowScore(window);
      if (score > 0) {
        MainTitle& main = mainTitles_[entry.processId];
        std::memcpy(main.title, window.title, kTextField);
        main.score = score;
        mainHandles_[entry.processId] = entry.handle;
      }
    }
  });
}

}  // namespace orvane
