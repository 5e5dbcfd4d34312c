#include "view/fill.h"

#include <string>

#include "view/names.h"

namespace orvane {

namespace {

int32_t ProcessImage(const ProcessRecord& process, const KnownPrograms& programs) {
  return programs.IsSystemProgram(FieldText(process.fileName)) ? kSystemProcessImage
                                                               : kProcessImage;
}

int32_t WindowImage(const WindowRecord& window) {
  return window.hung ? kHungWindowImage : kWindowImage;
}

std::string Unsigned(int32_t value) {
  return std::to_string(static_cast<uint32_t>(value));
}

void PadSubItems(RowCells& row, std::size_t count) {
  if (row.subItems.size() < count) row.subItems.resize(count);
}

}  // namespace

void FillTreeNode(const TrackedObject& object, NodeContent& node, const KnownPrograms& programs) {
  switch (object.key.kind) {
    case kKindComputer:
      node.text = FieldText(object.computer().computerName);
      node.stateImage = kComputerImage;
      break;
    case kKindProcess:
      node.text = FieldText(object.process().caption);
      node.stateImage = ProcessImage(object.process(), programs);
      break;
    case kKindThread:
      node.text = std::to_string(object.key.threadId);
      node.stateImage = kThreadImage;
      break;
    case kKindWindow:
      node.text = FieldText(object.window().title);
      node.stateImage = WindowImage(object.window());
      break;
    default:
      break;
  }
}

bool TreeNodeMayDiffer(const TrackedObject& before, const TrackedObject& after) {
  switch (after.key.kind) {
    case kKindComputer:
      return FieldText(before.computer().computerName) != FieldText(after.computer().computerName);
    case kKindProcess:
      return FieldText(before.process().caption) != FieldText(after.process().caption) ||
             FieldText(before.process().fileName) != FieldText(after.process().fileName);
    case kKindWindow:
      return FieldText(before.window().title) != FieldText(after.window().title) ||
             before.window().hung != after.window().hung;
    default:
      return false;  // a thread shows its id, which is part of its key
  }
}

void FillListItem(const TrackedObject& object, RowCells& row, const KnownPrograms& programs) {
  switch (object.key.kind) {
    case kKindProcess: {
      const ProcessRecord& p = object.process();
      PadSubItems(row, 2);
      row.caption = FieldText(p.caption);
      row.subItems[0] = std::string(PriorityName(p.basePriority, p.osCode)) + " (" +
                        Unsigned(p.basePriority) + ")";
      row.subItems[1] = std::string(FieldText(p.directory)) + std::string(FieldText(p.fileName));
      row.stateImage = ProcessImage(p, programs);
      row.smallImage = PriorityImage(p.basePriority);
      break;
    }
    case kKindThread: {
      const ThreadRecord& t = object.thread();
      PadSubItems(row, 1);
      row.caption = std::to_string(object.key.threadId);
      row.subItems[0] = Unsigned(t.basePriority);
      row.stateImage = kThreadImage;
      row.smallImage = PriorityImage(t.basePriority);
      break;
    }
    case kKindWindow: {
      const WindowRecord& w = object.window();
      PadSubItems(row, 6);
      row.caption = FieldText(w.title);
      row.subItems[0] = ShowStateName(w.showState);
      row.subItems[1] = VisibilityName(w.visible);
      row.subItems[2] = std::to_string(w.width);
      row.subItems[3] = std::to_string(w.height);
      row.subItems[4] = std::to_string(w.left);
      row.subItems[5] = std::to_string(w.top);
      row.stateImage = WindowImage(w);
      row.smallImage = kWindowSmallImage;
      break;
    }
    default:
      break;
  }
}

}  // namespace orvane
