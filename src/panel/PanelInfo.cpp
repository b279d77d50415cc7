// The emulator library; its modules live beside this file.
namespace tavo::panel {
const char* EmulatorName() { return "tavo-panel"; }
}  // namespace tavo::panel
