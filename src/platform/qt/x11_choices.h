#pragma once
// How the program talks to the display, chosen before the application starts; each choice gives
// way to a value the user set in the environment.
//  - X11 first (XWayland on a Wayland desktop): a close request reaches a window under a message
//    box only through the X11 watch.
//  - Painted frames go to the X server in the request stream rather than through shared memory:
//    the table repaints a few small patches a frame while a tile flies, and the shared-memory
//    path waits for the server at every frame, which doubled the processor an animation costs.
namespace plat::qt {

void chooseX11Defaults();

}  // namespace plat::qt
