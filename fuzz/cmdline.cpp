// The command-line operations fed any arguments, list rows and files: the countdown reads
// argument 3 by its rule, ends the program exactly once at the tick the rule gives, and "stop"
// ends the processes whose Executable cell is the target byte for byte and no others.
#include <charconv>
#include <set>

#include "dialogs/cmdline/cmdline.h"
#include "doubles/fake_controls.h"
#include "doubles/fake_files.h"
#include "doubles/fake_object_control.h"
#include "doubles/fake_platform.h"
#include "fuzz_check.h"

namespace orvane {
namespace {

constexpr std::string_view kWords[] = {"stop", "notray", "STOP", ""};
constexpr std::string_view kNumbers[] = {
    "0", "-1", "+3", "4", "2147483647", "-2147483648", "2147483648", "+-1", "1 ", "0x10", "00012"};
constexpr std::string_view kExecutables[] = {"c:\\windows\\notepad.exe", "notepad.exe", ""};

class Host : public CmdLineHost {
 public:
  std::string message = kCmdLineFirstMessage;
  int ends = 0;
  void SetMessage(const std::string& text) override { message = text; }
  void HideCancel() override {}
  void HideMainWindow() override {}
  void EndProgram() override { ++ends; }
};

// Argument 3 by the rule: an optional sign and decimal digits within 32 bits.
int32_t ExpectedCountdown(const std::vector<std::string>& arguments) {
  if (arguments.size() < 3) return kDefaultCountdown;
  const std::string& text = arguments[2];
  const std::size_t digits = text.empty() || (text[0] != '+' && text[0] != '-') ? 0 : 1;
  if (text.size() == digits || text.find_first_not_of("0123456789", digits) != std::string::npos)
    return kDefaultCountdown;
  int64_t value = 0;
  for (std::size_t i = digits; i < text.size(); ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > int64_t{INT32_MAX} + 1) return kDefaultCountdown;
  }
  if (text[0] == '-') value = -value;
  return value >= INT32_MIN && value <= INT32_MAX ? static_cast<int32_t>(value) : kDefaultCountdown;
}

}  // namespace
}  // namespace orvane

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace orvane;
  FuzzedDataProvider in(data, size);
  std::vector<std::string> arguments(in.ConsumeIntegralInRange<std::size_t>(0, 4));
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    arguments[i] = i == 0   ? fuzz::TextOrOneOf(in, kWords, 20)
                   : i == 2 ? fuzz::TextOrOneOf(in, kNumbers, 20)
                            : fuzz::TextOrOneOf(in, kExecutables, 80);
  }

  Host host;
  testing::FakeObjectControl control;
  testing::FakeRegistry registry;
  testing::FakeFiles files;
  TrayShared tray;
  testing::FakeListControl listControl;
  ListModel list(listControl);
  std::set<uint32_t> targets;  // processes that "stop" must end
  const int rows = in.ConsumeIntegralInRange(0, 6);
  for (int i = 0; i < rows; ++i) {
    ObjectKey key{in.ConsumeIntegralInRange(0, 5), 0, 0, in.ConsumeIntegralInRange(1u, 8u), 0, 0};
    RowCells cells;
    cells.subItems.resize(in.ConsumeIntegralInRange<std::size_t>(0, 4));
    for (std::string& cell : cells.subItems) cell = fuzz::TextOrOneOf(in, kExecutables);
    if (in.ConsumeBool()) control.processes[key.processId] = kNormalPriorityClass;
    const std::string target = arguments.size() > 1 ? arguments[1] : "";
    if (key.kind == kKindProcess && cells.subItems.size() > 1 && cells.subItems[1] == target)
      targets.insert(key.processId);
    list.AddRow(key, std::move(cells));
  }
  std::erase_if(targets, [&](uint32_t pid) { return !control.processes.contains(pid); });
  for (std::string_view file : {"workspace.dat", "start.dat", "tray.dat", "removed.dat"})
    if (in.ConsumeBool()) files.files[std::string(file)] = "x";
  registry.SetString(RegistryRoot::kLocalMachine, kRunKey, kTrayRunValue, "tray.exe");

  const int32_t expected = ExpectedCountdown(arguments);
  FUZZ_CHECK(CountdownFrom(arguments) == expected);
  CmdLineRun run(host, {control, registry, files, tray, list, "C:\\Orvane\\"});
  run.FormShow(arguments);
  FUZZ_CHECK(run.Countdown() == expected);
  const std::string word = arguments.empty() ? "" : arguments[0];
  const std::string target = arguments.size() > 1 ? arguments[1] : "";
  const bool known = word == "stop" || word == "notray";
  if (word == "notray") {
    FUZZ_CHECK(!files.Exists("start.dat") && !files.Exists("tray.dat"));
  }
  const std::size_t filesLeft = files.files.size();

  // The tick that ends the program: the first for a countdown at or below 0; after the count
  // for a known word; at most six ticks into an unknown one.
  const int64_t lastTick = expected <= 0 ? 1
                           : known       ? int64_t{expected} + 1
                                         : std::max(expected - 3, 1);
  for (int64_t tick = 1; tick <= 40; ++tick) {
    run.Tick();
    if (tick < lastTick) {
      FUZZ_CHECK(host.ends == 0 && !run.Done());
      if (word == "stop")
        FUZZ_CHECK(host.message == "Terminating " + target + " in " +
                                       std::to_string(expected - tick + 1) + " seconds");
    } else if (tick == lastTick) {
      FUZZ_CHECK(host.ends >= 1);
    }
  }
  if (lastTick <= 40 && known) FUZZ_CHECK(run.Done() && host.ends == 1);

  std::set<uint32_t> ended;
  for (const auto& [pid, code] : control.exitCodes) ended.insert(pid);
  FUZZ_CHECK(ended == (word == "stop" && run.Done() ? targets : std::set<uint32_t>{}));
  FUZZ_CHECK(control.OpenCount() == 0);
  FUZZ_CHECK(files.files.size() == filesLeft);
  FUZZ_CHECK(registry.HasValue(RegistryRoot::kLocalMachine, kRunKey, kTrayRunValue) ==
             !(word == "notray" && run.Done()));
  return 0;
}
