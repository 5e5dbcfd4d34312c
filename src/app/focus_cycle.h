#pragma once
// Tab in the main window: focus goes round the panes that can take it, in their order on the
// screen (tree, list, information box), skipping the hidden ones.

#include <span>

namespace orvane {

// The pane after current (before it when backwards) among those shown, going round; current
// -1 (focus in none of them) starts at the first shown (the last when backwards). -1 when no
// pane is shown.
int NextFocusPane(std::span<const bool> shown, int current, bool backwards);

}  // namespace orvane
