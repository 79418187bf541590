// Windows that open inside the screen: at a large scale (200 %) on a small
// screen a window's design size can be larger than the room the desktop
// leaves it.
#pragma once

class QWidget;

namespace calvexa {

// Shrinks `window` in proportion until it and its frame fit the available
// area of its screen (what panels and docks leave), and moves it inside that
// area; a window that fits where it is stays as it is.
void fitInsideScreen(QWidget& window);

}  // namespace calvexa
