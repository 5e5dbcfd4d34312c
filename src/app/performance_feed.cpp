#include "app/performance_feed.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "snapshot/records.h"
#include "view/figure_text.h"

namespace orvane {

void ComputerLoads::RecordArrived(const void* record, int32_t size) {
  if (record == nullptr || size < static_cast<int32_t>(sizeof(ComputerRecord))) return;
  ComputerRecord computer;
  std::memcpy(&computer, record, sizeof computer);
  if (computer.key.kind != kKindComputer) return;
  cpuLoad_ = computer.cpuLoad;
  memoryLoad_ = computer.memoryLoad;
}

PerformanceSample SampleOf(const ComputerLoads& loads, const ProcessFigureTable& figures,
                           Locale& locale) {
  PerformanceSample sample;
  sample.cpuLoad = loads.CpuLoad();
  sample.memoryLoad = loads.MemoryLoad();
  std::vector<const ProcessFigures*> busiest;
  for (const ProcessFigures& process : figures.All()) {
    if (process.cpuShare != kNoCpuShare) busiest.push_back(&process);
  }
  std::stable_sort(busiest.begin(), busiest.end(),
                   [](const auto* a, const auto* b) { return a->cpuShare > b->cpuShare; });
  if (busiest.size() > kTopProcesses) busiest.resize(kTopProcesses);
  for (const ProcessFigures* process : busiest) {
    sample.top.push_back({std::string(FieldText(process->fileName)),
                          CpuShareText(process->cpuShare),
                          MemoryText(process->counters.privateBytes, locale)});
  }
  return sample;
}

}  // namespace orvane
