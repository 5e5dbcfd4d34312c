// The collector over a snapshot source that reports anything: any bytes in executable paths
// and titles, paths without a backslash or far past 260 characters, ids that repeat, windows
// whose process or thread is unknown. Every record is whole, in pass order, with terminated
// text fields that hold what the source said as far as they can; and the view model, fed the
// records as the main window is, never finds them inconsistent.
#include <set>
#include <utility>

#include "doubles/fake_platform.h"
#include "fuzz_check.h"
#include "platform/error.h"
#include "snapshot/collector.h"
#include "snapshot/computer.h"
#include "tray/tray_interface.h"
#include "view_rig.h"

namespace orvane {
namespace {

constexpr std::string_view kExecutables[] = {"C:\\WINDOWS\\SYSTEM32\\NOTEPAD.EXE",
                                             "tray.exe",
                                             "C:\\Orvane\\TRAY.EXE",
                                             "orvn2k.exe",
                                             "[System Process]",
                                             "\\",
                                             "c:\\a.b\\noext",
                                             "name.",
                                             "\xC4\xD6\\\xE4\xF6.EXE"};
constexpr std::string_view kTitles[] = {"", "Untitled - Notepad", "ORVANE2000TRAYWINDOW", "short",
                                        "\xC4\xD6\xDC window title"};
constexpr std::string_view kProducts[] = {"", "Microsoft Windows 2000", "Windows NT", "Windows 98",
                                          "Windows 95"};

// The platform's texts end at their first terminator.
std::string PlatformText(std::string text) {
  return text.substr(0, text.find('\0'));
}

// A text of any length, at times far longer than a field or a path.
template <std::size_t N>
std::string LongText(FuzzedDataProvider& in, const std::string_view (&known)[N]) {
  std::string text = fuzz::TextOrOneOf(in, known, 80);
  if (in.ConsumeIntegralInRange(0, 7) == 0) {
    const std::size_t repeat = in.ConsumeIntegralInRange<std::size_t>(1, 40);
    std::string longer;
    for (std::size_t i = 0; i < repeat; ++i) longer += text + "\\folder";
    text = longer;
  }
  return PlatformText(text);
}

void FillSource(testing::FakeSnapshotSource& source, FuzzedDataProvider& in) {
  source.processes.clear();
  source.threads.clear();
  source.windows.clear();
  // Few ids, so that they repeat within a cycle and across cycles.
  for (int n = in.ConsumeIntegralInRange(0, 6); n > 0; --n) {
    source.processes.push_back({in.ConsumeIntegralInRange(0u, 7u), LongText(in, kExecutables),
                                in.ConsumeIntegral<int32_t>()});
  }
  for (int n = in.ConsumeIntegralInRange(0, 6); n > 0; --n) {
    source.threads.push_back({in.ConsumeIntegralInRange(0u, 7u), in.ConsumeIntegralInRange(0u, 7u),
                              in.ConsumeIntegral<int32_t>()});
  }
  for (int n = in.ConsumeIntegralInRange(0, 6); n > 0; --n) {
    testing::FakeWindow window{in.ConsumeIntegralInRange(0u, 7u), in.ConsumeIntegralInRange(0u, 7u),
                               in.ConsumeIntegralInRange(0u, 7u), LongText(in, kTitles)};
    if (in.ConsumeBool()) {
      window.left = in.ConsumeIntegral<int32_t>();
      window.top = in.ConsumeIntegral<int32_t>();
      window.right = in.ConsumeIntegral<int32_t>();
      window.bottom = in.ConsumeIntegral<int32_t>();
    }
    window.visible = in.ConsumeBool();
    window.iconic = in.ConsumeBool();
    window.zoomed = in.ConsumeBool();
    source.windows.push_back(std::move(window));
  }
  source.memory = {in.ConsumeIntegral<uint64_t>(), in.ConsumeIntegral<uint32_t>()};
  source.computerName = PlatformText(in.ConsumeRandomLengthString(100));
  source.userName = PlatformText(in.ConsumeRandomLengthString(100));
  source.ownProcessId = in.ConsumeIntegralInRange(0u, 7u);
}

// A text field holds a terminated text with zeroes after it.
std::string_view CheckedField(const char (&field)[kTextField]) {
  const std::string_view text = FieldText(field);
  FUZZ_CHECK(text.size() < kTextField);
  for (std::size_t i = text.size(); i < kTextField; ++i) FUZZ_CHECK(field[i] == '\0');
  return text;
}

std::string FilePart(std::string_view path) {
  const std::size_t slash = path.rfind('\\');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

class CheckingOutput : public RecordOutput {
 public:
  CheckingOutput(const testing::FakeSnapshotSource& source, fuzz::ViewRig& view,
                 std::set<std::pair<uint32_t, uint32_t>> earlierWindows)
      : source_(source), view_(view), earlierWindows_(std::move(earlierWindows)) {}

  void Send(const void* record, int32_t size) override {
    ObjectKey key;
    std::memcpy(&key, record, sizeof key);
    FUZZ_CHECK(size == RecordSize(key.kind) && size > 0);
    FUZZ_CHECK(key.rootId == 0 && key.computerId == 0);
    const int32_t expectedKind = sent_ < 2 ? sent_ : kKindProcess + passes_;
    FUZZ_CHECK(key.kind == expectedKind);
    ++sent_;
    switch (key.kind) {
      case kKindComputer:
        CheckComputer(*static_cast<const ComputerRecord*>(record));
        break;
      case kKindProcess:
        CheckProcess(*static_cast<const ProcessRecord*>(record));
        break;
      case kKindWindow:
        CheckWindow(*static_cast<const WindowRecord*>(record));
        break;
      default:
        break;
    }
    try {
      view_.Deliver(record, size);
    } catch (const Error& error) {
      fuzz::Fail(error.what(), __FILE__, __LINE__);
    }
  }
  void EndPass() override { ++passes_; }

  int32_t passes_ = 0;
  int32_t sent_ = 0;

 private:
  void CheckComputer(const ComputerRecord& computer) {
    const std::string_view name = CheckedField(computer.computerName);
    FUZZ_CHECK(std::string_view(source_.computerName).starts_with(name));
    FUZZ_CHECK(name.size() == std::min<std::size_t>(source_.computerName.size(), kTextField - 1));
    CheckedField(computer.userName);
    FUZZ_CHECK(computer.osCode >= kOsUnknown && computer.osCode <= kOsWindows2000);
    FUZZ_CHECK(computer.cpuLoad >= 0 && computer.cpuLoad <= 100);
    FUZZ_CHECK(computer.memoryTotal == MemoryMegabytes(source_.memory.totalPhys));
  }

  void CheckProcess(const ProcessRecord& process) {
    const std::string_view fileName = CheckedField(process.fileName);
    const std::string_view directory = CheckedField(process.directory);
    CheckedField(process.caption);
    const std::string lowered = testing::AsciiLower(fileName);
    FUZZ_CHECK(lowered != kTrayExeName && lowered != kOwnExeName);
    FUZZ_CHECK(process.key.processId != source_.ownProcessId);
    FUZZ_CHECK(directory.empty() || directory.ends_with('\\') ||
               directory.find("...\\") != std::string_view::npos);
    // A name that fits is the source's file name, lower-cased when it has a dot.
    bool fromSource = false;
    for (const testing::FakeProcess& p : source_.processes) {
      if (p.processId != process.key.processId) continue;
      const std::string file = FilePart(p.exeFile);
      const std::string expected =
          file.find('.') != std::string::npos ? testing::AsciiLower(file) : file;
      fromSource = fromSource || (file.size() < kTextField ? fileName == expected
                                                           : fileName.size() == kTextField - 1);
    }
    FUZZ_CHECK(fromSource);
    if (process.mainWindow() != 0)
      FUZZ_CHECK(earlierWindows_.contains({process.key.processId, process.mainWindow()}));
  }

  void CheckWindow(const WindowRecord& window) {
    const std::string_view title = CheckedField(window.title);
    FUZZ_CHECK(title.size() <= kMaxWindowTitle);
    bool fromSource = false;
    for (const testing::FakeWindow& w : source_.windows) {
      fromSource = fromSource ||
                   (w.handle == window.key.windowHandle && w.processId == window.key.processId &&
                    w.threadId == window.key.threadId && w.title.starts_with(title) &&
                    title.size() == std::min(w.title.size(), kMaxWindowTitle));
    }
    FUZZ_CHECK(fromSource);
    FUZZ_CHECK(window.visible <= 1 && window.showState >= kShowMinimised &&
               window.showState <= kShowNormal);
  }

  const testing::FakeSnapshotSource& source_;
  fuzz::ViewRig& view_;
  std::set<std::pair<uint32_t, uint32_t>> earlierWindows_;  // (process, window) seen before
};

}  // namespace
}  // namespace orvane

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace orvane;
  FuzzedDataProvider in(data, size);
  testing::FakeSnapshotSource source;
  testing::FakeRegistry registry;
  const std::string ntKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
  registry.SetString(RegistryRoot::kLocalMachine, ntKey, "ProductName",
                     fuzz::TextOrOneOf(in, kProducts, 40));
  registry.SetString(RegistryRoot::kLocalMachine, ntKey, "CurrentVersion",
                     in.ConsumeRandomLengthString(20));
  testing::FakeClock clock;
  clock.priorityOf = &source;
  clock.extraPerNormalSleep = in.ConsumeIntegral<uint32_t>();
  testing::FakeLocale locale;
  TrayShared tray;
  Collector collector(source, registry, clock, locale, tray);
  fuzz::ViewRig view;

  std::set<std::pair<uint32_t, uint32_t>> earlierWindows;
  for (int cycle = 0; cycle < 4 && in.remaining_bytes() > 0; ++cycle) {
    FillSource(source, in);
    CheckingOutput out(source, view, earlierWindows);
    collector.Collect(out);
    FUZZ_CHECK(out.passes_ == 3);
    view.CheckConsistent();

    bool trayRunning = false;
    for (const testing::FakeProcess& p : source.processes)
      trayRunning = trayRunning || testing::AsciiLower(FilePart(p.exeFile)) == kTrayExeName;
    FUZZ_CHECK((tray.TrayRunning == 1) == trayRunning);
    for (const testing::FakeWindow& w : source.windows)
      earlierWindows.insert({w.processId, w.handle});
  }
  view.listListener.ClearAll();
  FUZZ_CHECK(view.list.RowCount() == 0);
  return 0;
}
