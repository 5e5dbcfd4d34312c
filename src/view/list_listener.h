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

 protected:
  // Appends a row (none for the root, which is tracked all the same).
  bool Created(const TrackedObject& object) override;
  bool Removed(const TrackedObject& object) override;
  // Refills every row of the object.
  void Modified(const TrackedObject& object) override;

 private:
  ListModel& list_;                // not owned
  const KnownPrograms& programs_;  // not owned
};

}  // namespace orvane
