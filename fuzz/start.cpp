// "start.dat": any bytes load as the history's lines, the last one selected; saving writes them
// back so that they load the same, and running an entry starts it, quoted only when it names
// an existing file with a blank in it.
#include "dialogs/start/start.h"
#include "doubles/fake_files.h"
#include "doubles/fake_program_starter.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace orvane;
  FuzzedDataProvider in(data, size);
  testing::FakeFiles files;
  const bool present = in.ConsumeBool();
  const std::string added = in.ConsumeRandomLengthString(300);
  const std::string bytes = in.ConsumeRemainingBytesAsString();
  if (present) files.files[kRunHistoryFile] = bytes;

  RunHistory history(files, kRunHistoryFile);
  history.Load();
  const std::vector<std::string> lines = present ? SplitLines(bytes) : std::vector<std::string>{};
  FUZZ_CHECK(history.Entries() == lines);
  FUZZ_CHECK(history.Selected() == static_cast<int>(lines.size()) - 1);
  for (const std::string& line : lines)
    FUZZ_CHECK(line.find('\r') == std::string::npos && line.find('\n') == std::string::npos);

  // Every entry, as a file that exists and as one that does not.
  for (int i = 0; i < static_cast<int>(lines.size()) && i < 8; ++i) {
    const std::string& entry = lines[static_cast<std::size_t>(i)];
    history.Select(i);
    FUZZ_CHECK(history.Selected() == i);
    for (bool exists : {false, true}) {
      if (exists) files.files[entry];
      testing::FakeProgramStarter starter;
      history.Run(starter);
      if (entry.empty()) {
        FUZZ_CHECK(starter.commands.empty());
        continue;
      }
      FUZZ_CHECK(starter.commands.size() == 1);
      const std::string& command = starter.commands[0].commandLine;
      const bool quoted = exists && entry.find(' ') != std::string::npos && entry[0] != '"';
      FUZZ_CHECK(command == (quoted ? "\"" + entry + "\"" : entry));
      if (exists) files.files.erase(entry);
    }
  }

  history.Add(added);
  std::vector<std::string> expected = lines;
  expected.push_back(added);
  FUZZ_CHECK(files.files[kRunHistoryFile] == JoinCrLf(expected));
  // An entry without a line break in it reads back as it was added.
  if (added.find_first_of("\r\n") == std::string::npos) {
    RunHistory reread(files, kRunHistoryFile);
    reread.Load();
    FUZZ_CHECK(reread.Entries() == expected);
  }
  history.Clear();
  FUZZ_CHECK(files.files[kRunHistoryFile].empty() && history.Selected() == -1);
  return 0;
}
