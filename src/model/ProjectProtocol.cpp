#include "model/Project.h"
#include "plc/Catalogue.h"

namespace tavo {

void Project::ApplyProtocol(uint8_t protocol) {
  tavo::ApplyProtocol(protocol, m_settings);
}

}  // namespace tavo
