#include "model/PageHooks.h"

namespace tavo {

namespace {
PageHooks g_none;
PageHooks* g_hooks = &g_none;
}  // namespace

PageHooks& CurrentPageHooks() {
  return *g_hooks;
}
void SetPageHooks(PageHooks* hooks) {
  g_hooks = hooks ? hooks : &g_none;
}

}  // namespace tavo
