#pragma once
// Keeps the navigation tree in step with the record stream: computer, processes, threads and
// windows, each under its parent.

#include "view/known_programs.h"
#include "view/record_listener.h"
#include "view/tree_model.h"

namespace orvane {

class TreeListener : public RecordListener {
 public:
  // Neither is owned; both must outlive the listener.
  TreeListener(TreeModel& tree, const KnownPrograms& programs) : tree_(tree), programs_(programs) {}

 protected:
  // Adds a node under the parent's node; false while the parent has no node.
  bool Created(const TrackedObject& object) override;
  // Deletes the node; false while it still has children, so a branch leaves bottom-up.
  bool Removed(const TrackedObject& object) override;
  void Modified(const TrackedObject& object) override;

 private:
  TreeModel& tree_;                // not owned
  const KnownPrograms& programs_;  // not owned
};

}  // namespace orvane
