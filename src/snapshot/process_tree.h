#pragma once
// A process tree as one cycle's table knows it: the processes that each process started, and
// those theirs, by the parents that the table names (a younger process that took a parent's id
// is no one's child).

#include <cstdint>
#include <span>
#include <vector>

#include "snapshot/process_figures.h"

namespace orvane {

// Each root with all its descendants, every process after the ones it started, each once; the
// roots in their order, a process's children in id order. A root that the table does not list
// comes alone. spared (0: none) and all its descendants are left out, even as a root: the
// program never ends itself, nor what it started.
std::vector<uint32_t> DescendantsFirst(const ProcessFigureTable& table,
                                       std::span<const uint32_t> roots, uint32_t spared = 0);

}  // namespace orvane
