#pragma once
// How the program talks to the display, chosen before the application starts; each choice gives
// way to a value the user set in the environment.
//  - X11 first where an X display is there (XWayland on a Wayland desktop), the Wayland platform
//    only when there is none: Qt tries the platforms in order and reports each one that fails, so
//    a Wayland-only session that tried X11 first would start with two lines of complaints.
//  - Painted frames go to the X server in the request stream rather than through shared memory:
//    the table repaints a few small patches a frame while a tile flies, and the shared-memory
//    path waits for the server at every frame, which doubled the processor an animation costs.
namespace plat::qt {

void chooseDisplayDefaults();

}  // namespace plat::qt
