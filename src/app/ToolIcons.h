#pragma once

#include <QIcon>
#include <QPixmap>

namespace tavo::app {

// Toolbar and menu pictures are 18 x 17 pixels.
constexpr int kToolImageWidth = 18;
constexpr int kToolImageHeight = 17;

// The picture of a command, drawn on a transparent ground; an empty pixmap
// for a command without a toolbar picture.
QPixmap ToolImage(int commandId);
QIcon ToolIcon(int commandId);

// The program's own icon (window and About box), `size` pixels square.
QPixmap AppIconImage(int size);

}  // namespace tavo::app
