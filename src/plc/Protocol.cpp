#include "plc/Protocol.h"

#include "base/WindowThread.h"

namespace tavo {

namespace {
uint8_t g_protocol = 1;
}

uint8_t CurrentProtocol() {
  return g_protocol;
}
void SetCurrentProtocol(uint8_t protocol) {
  ExpectWindowThread("the protocol");
  g_protocol = protocol;
}

}  // namespace tavo
