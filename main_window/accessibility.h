// What a screen reader is told about the main window beyond what Qt tells it
// of its own widgets: the window itself as a frame, and the home-made tab
// strip as a list of page tabs that can be chosen from outside.
#pragma once

namespace relwiz {

// Call once the application exists and before the first window is built:
// Qt keeps the first interface it makes for a widget.
void install_accessible_interfaces();

}  // namespace relwiz
