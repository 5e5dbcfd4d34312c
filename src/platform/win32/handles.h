#pragma once
// Window handles travel in records as 32-bit words: the platform keeps their significant bits
// there even in 64-bit processes, and sign-extends them on the way back.

#include <windows.h>

#include <cstdint>

namespace orvane::win32 {

inline uint32_t HandleWord(HWND hwnd) {
  return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(hwnd));
}

inline HWND WordHandle(uint32_t word) {
  return reinterpret_cast<HWND>(static_cast<intptr_t>(static_cast<int32_t>(word)));
}

}  // namespace orvane::win32
