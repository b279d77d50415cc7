#pragma once

#include <optional>

#include "model/Prompter.h"

class QWidget;

namespace tavo::app {

// Runs the PLC selection dialog "PLC选择" over the project's line settings;
// nullopt when the user cancels.
std::optional<PlcChoice> RunPlcDialog(const PlcChoice& proposed, QWidget* parent);

}  // namespace tavo::app
