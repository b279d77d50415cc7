#pragma once

namespace tavo {

// The program's process-wide settings (the protocol, its profile, the
// prompter) belong to one thread, the window thread: the first thread that
// sets one of them. Reading, compiling and the editor's commands run there;
// the transfer's and the live link's threads never set them. A setter called
// from another thread would race with every reader, so it says which setting
// and aborts instead of corrupting a project.
void ExpectWindowThread(const char* setting);

}  // namespace tavo
