// A Weston module for the Wayland end-to-end test: the compositor's own hand on the session.
// Loaded with  weston --modules=/path/weston_hand.so  and E2E_WAYLAND_CONTROL=<folder>, it reads
// one command a line from the FIFO <folder>/in and appends its answer, ended by a line ".", to
// <folder>/out:
//   list          one line per mapped desktop window: its title, a tab, its size (WxH)
//   key CODE      presses and releases the Linux key CODE on its keyboard, which the shell
//                 gives to the active window
//   close TITLE   sends xdg_toplevel.close to the largest window of that title, as a desktop's
//                 close button does (the table is larger than any message box over it)
// The headless backend has no input devices, so the module brings its own keyboard.
#define _GNU_SOURCE
#include <errno.h>
#include <fcntl.h>
#include <libweston-desktop/libweston-desktop.h>
#include <libweston/libweston.h>
#include <linux/input.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wayland-server-core.h>

// Exported by libweston but declared only in its private headers.
void weston_seat_init(struct weston_seat* seat, struct weston_compositor* ec, const char* name);
int weston_seat_init_keyboard(struct weston_seat* seat, struct xkb_keymap* keymap);
void notify_key(struct weston_seat* seat, const struct timespec* time, uint32_t key,
                enum wl_keyboard_key_state state, enum weston_key_state_update update_state);

struct hand {
    struct weston_compositor* compositor;
    struct weston_seat seat;
    FILE* out;
    char line[512];
    size_t used;
};

typedef void (*window_fn)(struct weston_desktop_surface* ds, struct weston_geometry g, void* data);

static void for_each_window(struct hand* h, window_fn fn, void* data) {
    struct weston_layer* layer;
    struct weston_view* view;
    wl_list_for_each(layer, &h->compositor->layer_list, link) {
        wl_list_for_each(view, &layer->view_list.link, layer_link.link) {
            if (!weston_surface_is_desktop_surface(view->surface) || !weston_view_is_mapped(view))
                continue;
            struct weston_desktop_surface* ds = weston_surface_get_desktop_surface(view->surface);
            fn(ds, weston_desktop_surface_get_geometry(ds), data);
        }
    }
}

static const char* title_of(struct weston_desktop_surface* ds) {
    const char* t = weston_desktop_surface_get_title(ds);
    return t ? t : "";
}

static void list_one(struct weston_desktop_surface* ds, struct weston_geometry g, void* data) {
    fprintf(data, "%s\t%dx%d\n", title_of(ds), g.width, g.height);
}

struct largest {
    const char* title;
    struct weston_desktop_surface* found;
    long area;
};

static void find_largest(struct weston_desktop_surface* ds, struct weston_geometry g, void* data) {
    struct largest* l = data;
    const long area = (long)g.width * g.height;
    if (strcmp(title_of(ds), l->title) == 0 && area > l->area) {
        l->found = ds;
        l->area = area;
    }
}

static void press(struct hand* h, uint32_t key) {
    struct timespec now;
    weston_compositor_get_time(&now);
    notify_key(&h->seat, &now, key, WL_KEYBOARD_KEY_STATE_PRESSED, STATE_UPDATE_AUTOMATIC);
    notify_key(&h->seat, &now, key, WL_KEYBOARD_KEY_STATE_RELEASED, STATE_UPDATE_AUTOMATIC);
}

static void run(struct hand* h, const char* command) {
    if (strcmp(command, "list") == 0) {
        for_each_window(h, list_one, h->out);
    } else if (strncmp(command, "key ", 4) == 0) {
        press(h, (uint32_t)strtoul(command + 4, NULL, 10));
    } else if (strncmp(command, "close ", 6) == 0) {
        struct largest l = {command + 6, NULL, -1};
        for_each_window(h, find_largest, &l);
        if (l.found)
            weston_desktop_surface_close(l.found);
        else
            fprintf(h->out, "no window titled %s\n", l.title);
    } else {
        fprintf(h->out, "unknown command %s\n", command);
    }
    fputs(".\n", h->out);
    fflush(h->out);
}

static int readable(int fd, uint32_t mask, void* data) {
    struct hand* h = data;
    (void)mask;
    ssize_t n;
    while ((n = read(fd, h->line + h->used, sizeof h->line - 1 - h->used)) > 0) {
        h->used += (size_t)n;
        char* end;
        while ((end = memchr(h->line, '\n', h->used))) {
            *end = '\0';
            run(h, h->line);
            h->used -= (size_t)(end + 1 - h->line);
            memmove(h->line, end + 1, h->used);
        }
        if (h->used == sizeof h->line - 1) h->used = 0;  // a line too long to be a command
    }
    return 0;
}

WL_EXPORT int wet_module_init(struct weston_compositor* compositor, int* argc, char* argv[]) {
    (void)argc;
    (void)argv;
    const char* folder = getenv("E2E_WAYLAND_CONTROL");
    if (!folder) return -1;
    char in[4096], out[4096];
    snprintf(in, sizeof in, "%s/in", folder);
    snprintf(out, sizeof out, "%s/out", folder);
    struct hand* h = calloc(1, sizeof *h);
    if (!h) return -1;
    h->compositor = compositor;
    if (mkfifo(in, 0600) != 0 && errno != EEXIST) return -1;
    // Open for writing too, so that the FIFO never reads as ended between two writers.
    const int fd = open(in, O_RDWR | O_NONBLOCK | O_CLOEXEC);
    h->out = fopen(out, "a");
    if (fd < 0 || !h->out) return -1;
    weston_seat_init(&h->seat, compositor, "e2e");
    if (weston_seat_init_keyboard(&h->seat, NULL) != 0) return -1;
    wl_event_loop_add_fd(wl_display_get_event_loop(compositor->wl_display), fd, WL_EVENT_READABLE,
                         readable, h);
    return 0;
}
