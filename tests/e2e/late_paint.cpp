// A window for the window probe's test: mapped at once with no background, its left half
// drawn as soon as it is exposed and its right half only after the given milliseconds (never,
// without an argument). It then waits until it is stopped, or keeps a core busy with "busy".
//   late_paint [ms [busy]]
#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <thread>

int main(int argc, char** argv) {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) return 1;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t window = xcb_generate_id(c);
    const uint32_t events = XCB_EVENT_MASK_EXPOSURE;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 400, 200, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_EVENT_MASK,
                      &events);
    const xcb_gcontext_t gc = xcb_generate_id(c);
    const uint32_t colour = 0x336699;
    xcb_create_gc(c, gc, window, XCB_GC_FOREGROUND, &colour);
    xcb_map_window(c, window);
    xcb_flush(c);
    for (xcb_generic_event_t* e; (e = xcb_wait_for_event(c));) {
        const bool exposed = (e->response_type & 0x7F) == XCB_EXPOSE;
        std::free(e);
        if (exposed) break;
    }
    const xcb_rectangle_t left{0, 0, 200, 200}, right{200, 0, 200, 200};
    xcb_poly_fill_rectangle(c, window, gc, 1, &left);
    xcb_flush(c);
    if (argc > 1) {
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(argv[1])));
        xcb_poly_fill_rectangle(c, window, gc, 1, &right);
        xcb_flush(c);
    }
    volatile unsigned spin = 0;
    while (argc > 2)
        spin = spin + 1;
    while (xcb_generic_event_t* e = xcb_wait_for_event(c))
        std::free(e);
}
