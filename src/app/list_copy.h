#pragma once
// The object list's rows as text for the clipboard, as they are shown: the column captions,
// then a line per row, cells separated by tabs, lines ended by CR LF, ready to paste into a
// spreadsheet or a text.

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "dialogs/report/report.h"
#include "view/list_model.h"

namespace orvane {

// The captions' line and one line for each row at an index in selected (in the order given;
// an index past the last row is passed over), every row when selected is empty. A row has a
// cell for each caption: its caption, its sub-items, then extraCell's text for columns beyond
// them. A tab, CR or LF inside a cell becomes a blank, so that a cell stays one cell. No
// captions, no text: a list without columns shows nothing.
std::string ListCopyText(const std::vector<std::string>& captions, const ListModel& list,
                         std::span<const std::size_t> selected,
                         const ExtraCellText& extraCell = {});

}  // namespace orvane
