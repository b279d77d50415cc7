#include "app/LockKeys.h"

#include <QGuiApplication>

#ifdef TAVO_HAVE_X11
#include <X11/XKBlib.h>
#endif

namespace tavo::app {

std::optional<LockKeyStates> QueryLockKeys() {
#ifdef TAVO_HAVE_X11
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  Display* display = x11 ? x11->display() : nullptr;
  if (!display) return std::nullopt;
  auto named = [display](const char* name) {
    Atom atom = XInternAtom(display, name, True);
    Bool on = False;
    if (atom == None || !XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
      return false;
    return on == True;
  };
  return LockKeyStates{named("Caps Lock"), named("Num Lock"), named("Scroll Lock")};
#else
  return std::nullopt;
#endif
}

}  // namespace tavo::app
