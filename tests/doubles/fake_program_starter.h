#pragma once
// An in-memory double of the program-start seam: records every start and open, in order, and
// answers with one result for all.

#include <string>
#include <vector>

#include "platform/program_start.h"

namespace orvane::testing {

class FakeProgramStarter : public ProgramStarter {
 public:
  struct Command {
    std::string commandLine;
    ShowCommand show;
    bool operator==(const Command&) const = default;
  };
  struct Document {
    std::string file;
    std::string parameters;
    std::string directory;
    ShowCommand show;
    bool operator==(const Document&) const = default;
  };

  std::vector<Command> commands;    // StartCommand calls
  std::vector<Document> documents;  // OpenDocument calls
  bool starts = true;               // false: every call fails, as for a missing program

  bool StartCommand(std::string_view commandLine, ShowCommand show) override {
    commands.push_back({std::string(commandLine), show});
    return starts;
  }
  bool OpenDocument(std::string_view file, std::string_view parameters, std::string_view directory,
                    ShowCommand show) override {
    documents.push_back({std::string(file), std::string(parameters), std::string(directory), show});
    return starts;
  }
};

}  // namespace orvane::testing
