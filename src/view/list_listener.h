#pragma once
// Keeps the object list in step with the records that the ListFilter lets through.

#include "view/known_programs.h"
#include "view/list_model.h"
#include "view/record_listener.h"

namespace orvane {

class ListListener : public RecordListener {
 public:
  // Neither is owned; both must outlive the listener.
  ListListener(ListModel& list, const KnownPrograms& programs) : list_(list), programs_(programs) {}

  // At each cycle start the list's change marks age before the cycle's removals are found.
  void RecordArrived(const void* record, int32_t size) override;
  // On: rows of new objects are marked created, and rows of removed objects stay a while,
  // marked removed, instead of going at once. Off: every mark goes, and such rows with it.
  void HighlightChanges(bool on);
  bool HighlightsChanges() const { return highlight_; }

 protected:
  // Appends a row (none for the root, which is tracked all the same).
  bool Created(const TrackedObject& object) override;
  bool Removed(const TrackedObject& object) override;
  // Refills every row of the object.
  void Modified(const TrackedObject& object) override;

 private:
  ListModel& list_;                // not owned
  const KnownPrograms& programs_;  // not owned
  bool highlight_ = false;
  // The list has followed the stream since the last cycle start: rows made now are new objects,
  // not a refill after the list was emptied (another level, Refresh, the first cycle).
  bool following_ = false;
};

}  // namespace orvane
