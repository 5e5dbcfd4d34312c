#include "companion/companion_rules.h"

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

}  // namespace orvane
