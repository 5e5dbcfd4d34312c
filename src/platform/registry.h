#pragma once
// The registry seam: the Run keys the startup list and the companion use, the Debugger value
// of the task-manager trap, and the values the names are read from. One Win32 adapter
// (platform/win32/system_services.h) and an in-memory double for native tests.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The key under each root whose string values name the programs Windows starts at log-on.
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// kLocalMachine32 is HKEY_LOCAL_MACHINE in the registry's 32-bit view, which 64-bit Windows
// keeps apart (under WOW6432Node) and also starts programs from; kLocalMachine64 is its 64-bit
// view, where the system's own programs look, whichever build reads it. Elsewhere both are the
// same registry as kLocalMachine.
enum class RegistryRoot { kCurrentUser, kLocalMachine, kLocalMachine32, kLocalMachine64 };

// One value of a key as the enumeration gives it. Values of types other than REG_SZ and
// REG_EXPAND_SZ are listed too, with isText false and empty text, so a caller that lists
// only text values skips them without having to read them.
struct RegistryValue {
  std::string name;
  bool isText = false;
  std::string text;  // the whole data of a text value, up to its first terminator
};

// Key paths are below the root, components separated by "\"; names and paths compare
// without regard to letter case, as the registry does.
class Registry {
 public:
  virtual ~Registry() = default;
  // A missing key or value, or one of another type, gives nullopt.
  virtual std::optional<std::string> ReadString(RegistryRoot root, std::string_view key,
                                                std::string_view name) = 0;
  virtual std::optional<uint32_t> ReadDword(RegistryRoot root, std::string_view key,
                                            std::string_view name) = 0;
  // Whether the key holds a value of that name, of any type.
  virtual bool HasValue(RegistryRoot root, std::string_view key, std::string_view name) = 0;
  // Creates the key and any missing key above it; true when the key is there afterwards,
  // false when that is refused.
  virtual bool CreateKey(RegistryRoot root, std::string_view key) = 0;
  // Writes a REG_SZ value into an existing key, replacing one of the same name. The key is
  // never created: false when it is missing or the write is refused.
  virtual bool WriteString(RegistryRoot root, std::string_view key, std::string_view name,
                           std::string_view data) = 0;
  // True when the value was there and is gone; a missing key or value is not an error.
  virtual bool DeleteValue(RegistryRoot root, std::string_view key, std::string_view name) = 0;
  // The key's values and subkey names in the registry's enumeration order; a missing key
  // gives an empty list.
  virtual std::vector<RegistryValue> EnumValues(RegistryRoot root, std::string_view key) = 0;
  virtual std::vector<std::string> EnumSubkeys(RegistryRoot root, std::string_view key) = 0;
};

}  // namespace orvane
