#include "winui/text_buffer.h"

#include <algorithm>

namespace orvane::winui {

void FillTextBuffer(std::string_view text, char* buffer, int size) {
  if (buffer == nullptr || size <= 0) return;
  const std::size_t n = std::min(text.size(), static_cast<std::size_t>(size - 1));
  text.copy(buffer, n);
  buffer[n] = '\0';
}

void FillTextBuffer(std::string_view text, wchar_t* buffer, int size) {
  if (buffer == nullptr || size <= 0) return;
  int n = 0;
  if (!text.empty() && size > 1) {
    n = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), buffer,
                              size - 1);
    if (n == 0) {
      // Too long for the buffer: the conversion writes nothing then, so convert it whole and
      // keep the start.
      const int whole =
          ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
      std::wstring wide(static_cast<std::size_t>(whole), L'\0');
      ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                            whole);
      n = std::min(whole, size - 1);
      wide.copy(buffer, static_cast<std::size_t>(n));
    }
  }
  buffer[n] = L'\0';
}

std::string NarrowText(const wchar_t* text) {
  if (text == nullptr) return {};
  const int n = ::WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (n <= 1) return {};
  std::string narrow(static_cast<std::size_t>(n), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, text, -1, narrow.data(), n, nullptr, nullptr);
  narrow.resize(static_cast<std::size_t>(n - 1));
  return narrow;
}

}  // namespace orvane::winui
