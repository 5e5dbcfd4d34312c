#pragma once
// What a tree node and a list row show for each kind of object.

#include "view/known_programs.h"
#include "view/list_model.h"
#include "view/record_listener.h"
#include "view/tree_model.h"

namespace orvane {

// State images of the main window's object icons, and the small image for windows.
constexpr int32_t kComputerImage = 2;
constexpr int32_t kProcessImage = 3;
constexpr int32_t kSystemProcessImage = 4;
constexpr int32_t kThreadImage = 5;
constexpr int32_t kWindowImage = 6;
constexpr int32_t kHungWindowImage = 7;  // a window whose thread does not respond
constexpr int32_t kWindowSmallImage = 4;

// Sets the node's text and state image from the object's record; the root and unknown kinds
// leave it as it is.
void FillTreeNode(const TrackedObject& object, NodeContent& node, const KnownPrograms& programs);
// Whether FillTreeNode may fill differently for after than for before, two states of one
// object: compares only the fields it reads.
bool TreeNodeMayDiffer(const TrackedObject& before, const TrackedObject& after);
// Pads the row's sub-items to the kind's column count, then overwrites the caption, the kind's
// sub-items and both images; the root, the computer and unknown kinds leave it as it is.
void FillListItem(const TrackedObject& object, RowCells& row, const KnownPrograms& programs);

}  // namespace orvane
