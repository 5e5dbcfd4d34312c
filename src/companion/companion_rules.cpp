#include "companion/companion_rules.h"

#include <optional>
#include <string>

#include "tray/task_manager_trap.h"

namespace orvane {

bool KeyChords::OnKey(ChordKey key, bool down) {
  const TrapMask before = Complete();
  down_ = down ? down_ | Bit(key) : down_ & ~Bit(key);
  return (Complete() & ~before & traps_) != 0;
}

TrapMask KeyChords::Complete() const {
  using enum ChordKey;
  const bool shift = Down(kLeftShift) || Down(kRightShift);
  const bool control = Down(kLeftControl) || Down(kRightControl);
  const bool alt = Down(kLeftAlt) || Down(kRightAlt);
  return (control && alt && shift ? kTrapCtrlAltShift : 0) |
         (Down(kLeftShift) && Down(kRightShift) ? kTrapShiftShift : 0);
}

bool WriteOurDebugger(Registry& registry, std::string_view appDirectory) {
  constexpr RegistryRoot root = RegistryRoot::kLocalMachine64;
  const std::string ours = OurDebugger(appDirectory);
  const std::optional<std::string> current =
      registry.ReadString(root, kTaskManagerOptionsKey, kDebuggerValue);
  // The key is usually not there yet.
  return DebuggerChangeFor(true, current, ours) == DebuggerChange::kWrite &&
         registry.CreateKey(root, kTaskManagerOptionsKey) &&
         registry.WriteString(root, kTaskManagerOptionsKey, kDebuggerValue, ours);
}

}  // namespace orvane
