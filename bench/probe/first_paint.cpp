#include "first_paint.h"

#include <poll.h>
#include <xcb/damage.h>

#include <cstdlib>
#include <cstring>

namespace probe {

namespace {

double since(Clock::time_point t0) {
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

// True when the program has drawn every pixel of its window: none shows the root's colour.
bool paintedAllOver(xcb_connection_t* c, xcb_window_t window) {
    auto* geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
    if (!geometry) return false;
    auto* image = xcb_get_image_reply(c,
                                      xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                                    geometry->width, geometry->height, ~0u),
                                      nullptr);
    std::free(geometry);
    if (!image) return false;
    const uint8_t* data = xcb_get_image_data(image);
    const int length = xcb_get_image_data_length(image);
    bool whole = length > 0;
    for (int i = 0; whole && i + 4 <= length; i += 4) {  // 32 bits a pixel at depth 24
        uint32_t pixel;
        std::memcpy(&pixel, data + i, 4);
        whole = (pixel & 0xFFFFFF) != kRootColour;
    }
    std::free(image);
    return whole;
}

}  // namespace

FirstWindow waitForFirstPaint(const PrivateX& x, Program& program, Clock::time_point launch,
                              double timeout) {
    xcb_connection_t* c = x.connection();
    FirstWindow result;
    xcb_window_t window = 0;
    const xcb_damage_damage_t damage = xcb_generate_id(c);
    pollfd events{xcb_get_file_descriptor(c), POLLIN, 0};
    while (result.painted < 0) {
        if (program.exited()) return {result.mapped, -1, "it exited without a painted window"};
        if (since(launch) > timeout) return {result.mapped, -1, "no painted window in time"};
        poll(&events, 1, 50);
        const double now = since(launch);
        bool changed = false;
        while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
            const uint8_t type = e->response_type & 0x7F;
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(e);
            if (type == XCB_MAP_NOTIFY && !window && !map->override_redirect) {
                window = map->window;
                result.mapped = now;
                // What was drawn before the damage report starts is in the first look below.
                xcb_damage_create(c, damage, window, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
                changed = true;
            }
            changed = changed || (window && type == x.damageNotify());
            std::free(e);
        }
        if (xcb_connection_has_error(c)) return {result.mapped, -1, "the X server went away"};
        if (changed && paintedAllOver(c, window)) result.painted = now;
    }
    xcb_damage_destroy(c, damage);  // the idle program's repaints need no reports
    xcb_flush(c);
    return result;
}

}  // namespace probe
