// A DLL that does nothing: the DLL search tests load it by name from the tests' folder.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
  return TRUE;
}
