#include "winui/dll_search.h"

#include <windows.h>

namespace orvane::winui {

void RestrictDllSearch() {
  // Looked up by name: Windows 7 without its loader update lacks it.
  using SetDefault = BOOL(WINAPI*)(DWORD);
  constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
  const auto setDefault = reinterpret_cast<SetDefault>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
  if (setDefault) setDefault(kSearchSystem32);
  // Takes the current folder out of the classic search order as well.
  SetDllDirectoryW(L"");
}

}  // namespace orvane::winui
