#include "app/PlcDialog.h"

namespace tavo::app {

std::optional<PlcChoice> RunPlcDialog(const PlcChoice& proposed, QWidget*) {
  return std::nullopt;
}

}  // namespace tavo::app
