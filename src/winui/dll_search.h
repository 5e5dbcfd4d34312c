#pragma once
// Called first thing at start: DLLs loaded by name come from the system folder (and the
// program's own), never from the current folder, where one could have been planted.

namespace orvane::winui {

void RestrictDllSearch();

}  // namespace orvane::winui
