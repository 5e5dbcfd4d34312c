#pragma once
// The main window's menu bar and keys, made from the command table.

#include <windows.h>

namespace orvane::win32 {

// The menu bar with its submenus, each item with its id, its key's text and its first check.
HMENU BuildMenuBar();
// The keys of the command table's rows, each sending its row's id; the caller destroys it.
HACCEL BuildAccelerators();

}  // namespace orvane::win32
