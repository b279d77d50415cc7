#pragma once

#include <QString>

class QDialog;

namespace tavo::app {

// The width a window needs for a window manager to show `title` in its frame
// without cutting it: the title as the window system shows it (Qt adds " — "
// and the program's display name to a title that does not end in it), in the
// bold application font, and room for the frame's icon and buttons. Window
// managers draw the caption with a font of their own, so this is an estimate
// with a margin.
int CaptionWidth(const QString& title);

// Makes a dialog (a message box too) at least as wide as its caption needs;
// its contents keep their own room. Called as it is shown.
void FitCaption(QDialog& dialog);

// From now on every dialog and message box of the program is fitted to its
// caption whenever it is shown. Installing it again changes nothing.
void FitCaptionsOfAllDialogs();

}  // namespace tavo::app
