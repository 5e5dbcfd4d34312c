#include "tray/tray_interface.h"

#include <optional>

#include "platform/files.h"
#include "platform/registry.h"

namespace orvane {

TrapMask TrapMaskOf(const TrapChecks& checks) {
  return (checks.ctrlAltDel ? kTrapCtrlAltDel : 0) | (checks.ctrlAltShift ? kTrapCtrlAltShift : 0) |
         (checks.shiftShift ? kTrapShiftShift : 0);
}

TrapChecks TrapChecksOf(TrapMask mask) {
  return {(mask & kTrapCtrlAltDel) != 0, (mask & kTrapCtrlAltShift) != 0,
          (mask & kTrapShiftShift) != 0};
}

std::string EncodeTrapMask(TrapMask mask) {
  const auto bits = static_cast<uint32_t>(mask);
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
  return bytes;
}

TrapMask DecodeTrapMask(std::string_view bytes) {
  if (bytes.size() != 4) return kNoTraps;
  uint32_t bits = 0;
  for (int i = 0; i < 4; ++i)
    bits |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
  const auto mask = static_cast<TrapMask>(bits);
  return (mask & ~kAllTraps) == 0 ? mask : kNoTraps;
}

std::string FailedToSetDataText() {
  return "Failed to set data for '" + std::string(kTrayRunValue) + "'";
}

bool RegisterTrayAtLogon(Registry& registry, std::string_view appDirectory) {
  const std::string command = std::string(appDirectory) + std::string(kTrayExeName);
  return registry.WriteString(RegistryRoot::kLocalMachine, kRunKey, kTrayRunValue, command) ||
         registry.WriteString(RegistryRoot::kCurrentUser, kRunKey, kTrayRunValue, command);
}

void UnregisterTrayAtLogon(Registry& registry) {
  registry.DeleteValue(RegistryRoot::kLocalMachine, kRunKey, kTrayRunValue);
  registry.DeleteValue(RegistryRoot::kCurrentUser, kRunKey, kTrayRunValue);
}

void WriteTrapMask(Files& files, std::string_view path, TrapMask mask) {
  files.WriteAll(path, EncodeTrapMask(mask));
}

TrapMask ReadTrapMask(Files& files, std::string_view path) {
  const std::optional<std::string> bytes = files.ReadAll(path);
  return bytes ? DecodeTrapMask(*bytes) : kNoTraps;
}

}  // namespace orvane
