#include "model/Project.h"
#include "plc/Protocol.h"

namespace tavo {

void Project::ApplyProtocol(uint8_t protocol) { SetCurrentProtocol(protocol); }

}  // namespace tavo
