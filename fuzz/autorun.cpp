// The startup list built from any registry values (text, numbers, binary; any names and bytes),
// and "removed.dat" read back whatever it holds: each command is listed once, and a removal
// changes both the file and the registry or neither.
#include <optional>
#include <set>

#include "dialogs/autorun/autorun.h"
#include "doubles/fake_files.h"
#include "doubles/fake_message_boxes.h"
#include "doubles/fake_platform.h"
#include "doubles/fake_program_starter.h"
#include "fuzz_check.h"
#include "platform/error.h"

namespace orvane {
namespace {

constexpr std::string_view kNames[] = {"", "Tool", "tool", "explorer.exe", "Orvane2000Tray"};
constexpr std::string_view kCommands[] = {"", "explorer.exe", "EXPLORER.EXE", "c:\\a b\\c.exe",
                                          "svchost.exe"};

void FillRegistry(testing::FakeRegistry& registry, FuzzedDataProvider& in) {
  for (const StartupLocation& location : kStartupLocations) {
    if (in.ConsumeBool()) registry.AddKey(location.root, location.keyPath);
    const int values = in.ConsumeIntegralInRange(0, 5);
    for (int i = 0; i < values; ++i) {
      const std::string name = fuzz::TextOrOneOf(in, kNames);
      switch (in.ConsumeIntegralInRange(0, 2)) {
        case 0:
          registry.SetString(location.root, location.keyPath, name,
                             fuzz::TextOrOneOf(in, kCommands, 300));
          break;
        case 1:
          registry.SetDword(location.root, location.keyPath, name, in.ConsumeIntegral<uint32_t>());
          break;
        default:
          registry.SetBinary(location.root, location.keyPath, name);
          break;
      }
    }
  }
}

// The list as the rule gives it: every text value in the locations' order, each command once.
std::vector<StartupEntry> Expected(testing::FakeRegistry& registry, const KnownPrograms& programs) {
  std::vector<StartupEntry> rows;
  std::set<std::string> seen;
  for (const StartupLocation& location : kStartupLocations) {
    for (const RegistryValue& value : registry.EnumValues(location.root, location.keyPath)) {
      if (!value.isText || !seen.insert(testing::AsciiLower(value.text)).second) continue;
      rows.push_back({value.text, value.name, location.keyPath, location.root,
                      programs.IsSystemProgram(value.text) ? 1 : 0});
    }
  }
  return rows;
}

std::optional<std::string> FileOf(testing::FakeFiles& files) {
  return files.ReadAll(kRemovedFile);
}

void CheckRemove(StartupEntries& entries, int index, testing::FakeRegistry& registry,
                 testing::FakeFiles& files) {
  const std::vector<StartupEntry> rows = entries.Rows();
  const std::optional<std::string> before = FileOf(files);
  const bool inRange = index >= 0 && index < static_cast<int>(rows.size());
  const bool valueThere =
      inRange && registry.HasValue(rows[static_cast<std::size_t>(index)].rootKey,
                                   rows[static_cast<std::size_t>(index)].keyPath,
                                   rows[static_cast<std::size_t>(index)].valueName);
  bool removed = false;
  try {
    removed = entries.Remove(index);
  } catch (const Error&) {
  }
  if (!removed) {
    FUZZ_CHECK(entries.Rows() == rows && FileOf(files) == before);
    if (inRange) {
      const StartupEntry& row = rows[static_cast<std::size_t>(index)];
      FUZZ_CHECK(registry.HasValue(row.rootKey, row.keyPath, row.valueName) == valueThere);
    }
    return;
  }
  const StartupEntry& row = rows[static_cast<std::size_t>(index)];
  FUZZ_CHECK(valueThere && !registry.HasValue(row.rootKey, row.keyPath, row.valueName));
  FUZZ_CHECK(entries.Rows().size() + 1 == rows.size());
  std::vector<std::string> lines = before ? SplitLines(*before) : std::vector<std::string>{};
  lines.push_back(RemovedLine(row));
  FUZZ_CHECK(FileOf(files) == JoinCrLf(lines));
  FUZZ_CHECK(entries.RemovedLines() == lines);
  // One line per removal, whatever the name and the command hold.
  FUZZ_CHECK(SplitLines(*FileOf(files)).size() == lines.size());
}

void CheckAdd(StartupEntries& entries, const std::string& command,
              testing::FakeRegistry& registry) {
  const StartupLocation& target = kStartupLocations[1];
  const std::size_t rowsBefore = entries.Rows().size();
  const bool taken = registry.HasValue(target.root, target.keyPath, command);
  bool added = false;
  bool raised = false;
  try {
    added = entries.Add(command);
  } catch (const Error&) {
    raised = true;
  }
  FUZZ_CHECK(!(added && taken));
  FUZZ_CHECK(entries.Rows().size() == rowsBefore + (added ? 1 : 0));
  if (added) FUZZ_CHECK(registry.ReadString(target.root, target.keyPath, command) == command);
  if (!taken) FUZZ_CHECK(added != raised);
}

}  // namespace
}  // namespace orvane

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace orvane;
  FuzzedDataProvider in(data, size);
  testing::FakeRegistry registry;
  testing::FakeFiles files;
  testing::FakeMessageBoxes boxes;
  testing::FakeProgramStarter starter;
  testing::FakeLocale locale;
  const KnownPrograms programs(locale);
  FillRegistry(registry, in);
  if (in.ConsumeBool()) files.files[kRemovedFile] = in.ConsumeRandomLengthString(400);
  if (in.ConsumeBool()) files.refused.insert(kRemovedFile);

  StartupEntries entries(registry, files, boxes, starter, locale, programs);
  FUZZ_CHECK(entries.Rows() == Expected(registry, programs));

  while (in.remaining_bytes() > 0) {
    const int rows = static_cast<int>(entries.Rows().size());
    const int index = in.ConsumeIntegralInRange(-1, rows);
    switch (in.ConsumeIntegralInRange(0, 4)) {
      case 0:
        boxes.answers.push_back(in.ConsumeBool());
        break;
      case 1:
        registry.refuseWrites = in.ConsumeBool();
        break;
      case 2: {
        const std::size_t started = starter.commands.size();
        entries.Run(index);
        FUZZ_CHECK(starter.commands.size() == started + (index >= 0 && index < rows ? 1 : 0));
        break;
      }
      case 3:
        CheckAdd(entries, fuzz::TextOrOneOf(in, kCommands, 300), registry);
        break;
      default:
        CheckRemove(entries, index, registry, files);
        break;
    }
  }
  return 0;
}
