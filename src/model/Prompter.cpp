#include "model/Prompter.h"

namespace tavo {

namespace {
SilentPrompter g_silent;
Prompter* g_prompter = &g_silent;
}  // namespace

Prompter& CurrentPrompter() { return *g_prompter; }
void SetPrompter(Prompter* prompter) { g_prompter = prompter ? prompter : &g_silent; }

}  // namespace tavo
