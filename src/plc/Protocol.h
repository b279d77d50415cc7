#pragma once

#include <cstdint>

namespace tavo {

// The selected PLC protocol, 1..36: one value for the whole program. Element
// constructors take their protocol-dependent defaults from it.
uint8_t CurrentProtocol();
void SetCurrentProtocol(uint8_t protocol);

}  // namespace tavo
