#!/usr/bin/env python3
"""The end-to-end tests: the real program on a private X server, driven with xdotool as a person
would, its screen read from the server's framebuffer file (a few ms a look, fast enough to catch
an animation). Screenshots go to $E2E_OUT.
    driver.py startup | drag | play | small_screen | keys | installed PROGRAM
"""
import glob, os, re, shutil, signal, struct, subprocess as sp, sys, tempfile, time

BIN, OUT = os.environ["BRACKWELL_BIN"], os.environ.get("E2E_OUT", os.getcwd() + "/e2e-out")
TMP, PROCS = tempfile.mkdtemp(prefix="brackwell-e2e."), []
os.environ.update(XDG_RUNTIME_DIR=TMP, QT_QPA_PLATFORM="xcb")
KINDS = {  # the colours the tests look for
    "face": lambda r, g, b: max(r, g, b) < 0x40,  # the near-black body of a face-up half
    "back": lambda r, g, b: r >= 0x40 and r > g + 0x20 and r > b + 0x18,  # a back's deep red
    "slot": lambda r, g, b: (r, g, b) == (0xE0, 0xE0, 0xE0),  # a slot outline's light grey
    "cloth": lambda r, g, b: g > r + 0x10 and g > b + 8,  # the green table cloth
    "frame": lambda r, g, b: g > r + 0x30 and g > b + 0x30 and g < 0xA0,  # the drag frame's green
}
# The shuffle is seeded from the wall clock at every deal: frozen at this moment (by libfaketime,
# the steady clock of the waits and timers left running), every deal is the same one, in which
# the keyboard player below draws, sees a hand end and, mostly, passes in the next hand.
FROZEN_CLOCK = "2026-01-01 00:01:14"
PARK = (11500, 9200)  # where the pointer rests, clear of everything the tests look at
DESIGN = (799, 625)  # the window's client size in pixels where the screen has room for it
SCREENS = {"small_screen": "640x480"}  # the tests' screens, 1280 x 1024 for the others


def face(left, top): return left + 146, top + 146  # between the pips of a half at left, top
def back(left, top): return left + 61, top + 202  # beside the emblem of a tile's back


def xdo(*args):
    return sp.run(["xdotool", *map(str, args)], capture_output=True, text=True).stdout.split()


def start_x(screen="1280x1024"):
    r, w = os.pipe()
    PROCS.append(sp.Popen(["Xvfb", "-displayfd", str(w), "-screen", "0", screen + "x24",
                           "-nolisten", "tcp", "-fbdir", TMP], pass_fds=[w], stderr=sp.DEVNULL))
    os.close(w)
    os.environ["DISPLAY"] = ":" + os.read(r, 32).decode().strip()
    assert os.environ["DISPLAY"] != ":", "Xvfb did not start"


def start_wm():
    """A plain window manager that frames each window with a border and a title bar, in the
    server's own fonts; it is ready once it has made its windows."""
    rc = f"{TMP}/twmrc"
    with open(rc, "w") as f:
        f.writelines(f'{k}Font "fixed"\n' for k in ("Title", "Resize", "Menu", "Icon", "IconManager"))
    log = f"{TMP}/twm.log"
    end = time.time() + 20
    wm = sp.Popen(["twm", "-f", rc], stdout=sp.DEVNULL, stderr=open(log, "a"))
    PROCS.append(wm)
    while "0 children" in sp.run(["xwininfo", "-root", "-children"], capture_output=True,
                                 text=True).stdout:
        assert time.time() < end, "the window manager did not start: " + open(log).read()
        # On a busy machine twm at times finds the new server not yet taking clients, says it
        # cannot open the display and ends: it is started again until it has made its windows.
        if wm.poll() is not None:
            wm = sp.Popen(["twm", "-f", rc], stdout=sp.DEVNULL, stderr=open(log, "a"))
            PROCS.append(wm)
        time.sleep(0.05)


def geometry(win, outer=False):
    """A window's place on the screen and its size; with outer, its border's too, and those of
    the frame a window manager put it in."""
    info = lambda *a: sp.run(["xwininfo", *a, "-id", str(win)], capture_output=True,
                             text=True).stdout
    if outer and (parent := re.search(r"Parent window id: (\w+) \((?!the root)", info("-children"))):
        return geometry(parent[1], True)
    get = lambda key, text=info(): int(re.search(rf"{key}:\s+(-?\d+)", text)[1])
    b = get("Border width") if outer else 0  # the upper left is the border's already
    x, y = get("Absolute upper-left X"), get("Absolute upper-left Y")
    return x, y, get("Width") + 2 * b, get("Height") + 2 * b


def stage(how):
    """A copy of the program whose optional files are left out, full of random bytes or folders."""
    folder = tempfile.mkdtemp(dir=TMP)
    for f in (BIN, os.path.dirname(BIN) + "/libbrackwell-sound.so"):
        shutil.copy(f, folder)
    for f in ("x/o.cjs", "HAND-M.CUR", "pic/Move.wav"):
        os.makedirs(os.path.dirname(f"{folder}/{f}"), exist_ok=True)
        if how == "dirs":
            os.mkdir(f"{folder}/{f}")
        elif how == "garbage":
            open(f"{folder}/{f}", "wb").write(os.urandom(4096))
    return f"{folder}/{os.path.basename(BIN)}"


class Game:
    """The program running on the X server: its window, its screen, the mouse and keyboard."""

    def __init__(self, program=BIN, env=None):
        self.proc = sp.Popen([program], stdout=open(f"{TMP}/app.log", "w"), stderr=sp.STDOUT,
                             env=env)
        PROCS.append(self.proc)
        found = sp.run(["timeout", "20", "xdotool", "search", "--sync", "--onlyvisible", "--name",
                        "^Brackwell$"], capture_output=True, text=True).stdout.split()
        assert found, "no window titled Brackwell within 20 s: " + open(f"{TMP}/app.log").read()
        self.win = found[0]
        self.x, self.y, self.w, self.h = geometry(self.win)
        self.wait_for(10, dealt)  # every test starts from the first hand dealt

    def px(self, tx, ty):
        """A point of the table in twips, 15 a pixel at the design size; a smaller window shows
        the table scaled and centred in it."""
        z = min(self.w / DESIGN[0], self.h / DESIGN[1]) / 15
        ox, oy = (self.w - DESIGN[0] * 15 * z) / 2, (self.h - DESIGN[1] * 15 * z) / 2
        return self.x + int(ox + tx * z + 0.5), self.y + int(oy + ty * z + 0.5)

    def look(self):
        """A fresh copy of the screen (an XWD image); a torn frame only fails one poll."""
        data = open(f"{TMP}/Xvfb_screen0", "rb").read()
        h = struct.unpack(">25I", data[:100])
        self.stride, self.pixels = h[12], data[h[0] + 12 * h[19]:]
        return self

    def rgb(self, tx, ty):
        x, y = self.px(tx, ty)
        at = y * self.stride + 4 * x  # a slice to the end would copy the whole screen
        b, g, r = self.pixels[at:at + 3]
        return r, g, b

    def shows(self, kind, point):
        return KINDS[kind](*self.rgb(*point))

    def wrong(self, kind, points):  # the points that do not show the colour kind
        return [f"{p} #{bytes(self.rgb(*p)).hex()} not {kind}" for p in points
                if not self.shows(kind, p)]

    def wait_for(self, secs, check, answer=False):
        """Polls check on fresh looks until it finds nothing wrong (the window may still paint,
        the computer still move), answering the message boxes meanwhile if asked."""
        end = time.time() + secs
        while (wrong := check(self.look())) and time.time() < end:
            if answer:
                self.answer_boxes()
            time.sleep(0.05)
        assert not wrong, wrong[:4]

    def still(self):
        """Waits (5 s at most) until nothing moves on the screen (a flight, a slide) for 0.1 s."""
        for _ in range(50):
            before = self.look().pixels
            time.sleep(0.1)
            if before == self.look().pixels:
                break
        return self

    def boxes(self):  # the open message boxes: windows of these titles other than the table
        found = xdo("search", "--onlyvisible", "--name", "^(Brackwell|Application Error)$")
        return [w for w in found if w != self.win]

    def ready(self, box):
        """A box takes keys pressed from the moment it carries this property: the program sets
        it once the box is painted, and keys stamped earlier stay out of it."""
        return "=" in sp.run(["xprop", "-id", box, "_BRACKWELL_SHOWN"], capture_output=True,
                             text=True).stdout

    def answer_boxes(self):
        assert not xdo("search", "--onlyvisible", "--name", "^Application Error$"), "error box"
        for b in self.boxes():
            if self.ready(b):
                xdo("windowfocus", "--sync", b, "key", "Return")

    def click(self, tx, ty):
        xdo("mousemove", *self.px(tx, ty), "click", 1, "mousemove", *self.px(*PARK))

    def drag(self, tx0, ty0, tx1, ty1):  # a press, moves in small steps, a release
        (x0, y0), (x1, y1) = self.px(tx0, ty0), self.px(tx1, ty1)
        steps = [(x0 + (x1 - x0) * i // 4, y0 + (y1 - y0) * i // 4) for i in range(1, 5)]
        xdo("mousemove", x0, y0, "mousedown", 1, *(a for p in steps for a in ("mousemove", *p,
            "sleep", 0.02)), "mouseup", 1, "mousemove", *self.px(*PARK), "sleep", 0.05)

    def close(self, what):
        """A window manager's close request ends the program at once with status 0."""
        sp.run([os.environ["SEND_CLOSE"], self.win], check=True)
        self.wait_for(2, lambda g: [] if g.proc.poll() is not None else [f"{what}: still runs"])
        assert self.proc.returncode == 0, f"{what}: exit status {self.proc.returncode}"


def dealt(g):
    """The player's 7 tiles face up, the computer's 7 and the boneyard's 14 face down, the first
    slot outlines Shr(0) and Shl(0), the cloth."""
    return (g.wrong("face", [face(1835 + 485 * k, t) for k in range(7) for t in (7675, 8095)])
            + g.wrong("back", [back(1835 + 485 * k, t) for k in range(7) for t in (60, 480)]
                      + [back(l, 650 + 435 * k) for k in range(1, 15) for l in (540, 120)])
            + g.wrong("slot", [(7545, 4267), (5325, 4267)])
            + g.wrong("cloth", [(6000, 6500), (3000, 2000)]))


def test_startup():
    g = Game()
    assert (g.w, g.h) == DESIGN, f"client area is {g.w}x{g.h}, not 799x625"
    sw, sh = map(int, xdo("getdisplaygeometry"))
    assert abs(2 * g.x + g.w - sw) <= 6 and abs(2 * g.y + g.h - sh) <= 6, "window not centred"
    sp.run(["import", "-window", "root", f"{OUT}/startup.png"], check=True)
    cpu = lambda: sum(map(int, open(f"/proc/{g.proc.pid}/stat").read().split()[13:15]))
    before = cpu()
    time.sleep(2)
    used = cpu() - before  # 5 % of a core at most while nothing happens
    assert used < 0.1 * os.sysconf("SC_CLK_TCK"), f"idle for 2 s, busy for {used} clock ticks"
    g.close("close with nothing open")
    for how in ("missing", "garbage", "dirs"):
        g = Game(stage(how))
        for point in ((885, 9065), (2037, 7877), (6000, 6500), (2660, 9065)):
            xdo("mousemove", *g.px(*point), "sleep", 0.1)  # the pointer rules run on each move
        time.sleep(0.3)
        assert not g.boxes(), f"{how} files: a message box is open"
        g.close(f"{how} files: close")


def opened(g):  # the opening tile lies at 6025 / 6450, 4000; the player's row closed up to 6
    return g.wrong("face", [face(6025, 4000), face(6450, 4000)]) + g.wrong(
        "cloth", [face(4745, 7675)])


def status_blue(g):  # the status's blue pixels by the player's hand (Top 7100), the computer's
    return [sum(sum((a - b) ** 2 for a, b in zip(g.rgb(x, y), (0x10, 0x3C, 0xB4))) < 2800
                for x in range(4440, 7440, 15) for y in range(t, t + 375, 15))
            for t in (7100, 1065)]


def answered(g):
    """The computer's tile lies in Shr(0) or Shl(0), and "Status: Your Turn" is back in blue by
    the player's hand (Top 7100), none left by the computer's (Top 1065)."""
    blue = status_blue(g)
    slot = [g.wrong("face", [face(l + 25, 4020), face(l + 445, 4020)]) for l in (7095, 4875)]
    return min(slot) + ([] if blue[0] > 40 and blue[1] == 0 else [f"status's blue pixels {blue}"])


def flying(g):  # a face on the computer's row right of its hand, or on its way above the slots
    points = [face(x, 60) for x in range(5300, 7400, 200)]
    points += [face(l, t) for t in range(700, 3800, 200) for l in (7095, 4875)]
    return [] if any(g.shows("face", p) for p in points) else ["never saw a tile in flight"]


def test_drag():
    g = Game()
    g.drag(2037, 7877, 6225, 3200)  # the player's first tile, by its first half
    g.wait_for(5, opened, answer=True)  # each draw of the computer has its message box
    g.wait_for(40, answered, answer=True)
    g.click(885, 9065)  # "New Game": the computer opens the next hand after a message box
    g.wait_for(5, lambda g: [] if g.boxes() else ["no message box within 5 s of New Game"])
    g.close("close while a message box is open")
    g = Game()
    g.drag(2037, 7877, 6225, 3200)
    g.wait_for(20, flying, answer=True)
    g.close("close during the computer's flight")


def player_tiles(g):  # the Lefts of the tiles in the player's row, read from the screen
    lefts = []
    for l in range(1830, 9000, 15):
        face_up = all(g.shows("face", p) for p in (face(l, 7675), (l + 60, 7735)))
        if face_up and (not lefts or l - lefts[-1] > 300):
            lefts.append(l)
    return lefts


def lay_a_tile(g):
    """Drags each tile of the hand to each end until one stays; False if none did."""
    tiles = player_tiles(g)
    for left in tiles:
        for end in ((3200, 5200), (3200, 2200)):  # inside the right end's region, the left's
            g.drag(left + 200, 7875, *end)
            if len(player_tiles(g.still())) < len(tiles) or g.boxes():
                return True
    return False


def get_card_on(g):  # the text of "Get Card" is dark exactly when it is enabled
    return sum(max(g.rgb(x, 7345)) < 0x60 for x in range(45, 1145, 15)) > 8


def play_turn(g):
    """Lays a tile where one fits, or presses "Get Card" when none does (its text is dark exactly
    when nothing of the player's fits on the player's turn), answering message boxes first."""
    g.answer_boxes()
    g.still()
    if get_card_on(g):
        g.click(595, 7345)
    else:
        lay_a_tile(g)  # a press outside the player's turn changes nothing


def test_play():
    """Plays with the mouse and keyboard only, answering every message box with Return. A hand
    has ended when the next deal clears the line of play. BRACKWELL_PLAY_GAME=1 plays the whole
    game, until the program ends after a score reaches 101."""
    g, whole = Game(), os.environ.get("BRACKWELL_PLAY_GAME") == "1"
    end, hands, was_open = time.time() + (3600 if whole else 150), 0, False
    while g.proc.poll() is None and (whole or hands < 1):
        assert time.time() < end, f"still playing after {hands} hands"
        play_turn(g)
        is_open = g.look().shows("face", face(6025, 4000))
        hands, was_open = hands + (was_open and not is_open), is_open
    print(f"played {hands} hands")
    assert whole == (g.proc.poll() is not None), "the program ended before the hand did"
    assert not whole or g.proc.wait() == 0, f"exit status {g.proc.returncode} at 101"


def whole_on_screen(g, shot):
    """The window, with any frame, lies on the screen at the largest size that fits, and "Get
    Card", "New Game" and "Cheat Comp." lie on it too, in the skin's warm face."""
    sw, sh = map(int, xdo("getdisplaygeometry"))
    x, y, w, h = geometry(g.win, outer=True)
    where = f"{w}x{h} at {x},{y} (client {g.w}x{g.h} at {g.x},{g.y}) on a {sw}x{sh} screen"
    assert x >= 0 and y >= 0 and x + w <= sw and y + h <= sh, where + ": off screen"
    assert h == sh or w == sw, where + ": not the largest size"
    assert abs(g.w - g.h * DESIGN[0] / DESIGN[1]) < 1, where + ": not the table's proportions"
    sp.run(["import", "-window", "root", f"{OUT}/{shot}.png"], check=True)
    for name, (left, top, width, height) in {"Get Card": (45, 7170, 1100, 350),
                                              "New Game": (135, 8865, 1500, 400),
                                              "Cheat Comp.": (1755, 8865, 1500, 400)}.items():
        (x0, y0), (x1, y1) = g.px(left, top), g.px(left + width, top + height)
        assert 0 <= x0 and x1 <= sw and 0 <= y0 and y1 <= sh, f"{name} at {x0},{y0}: off screen"
        points = [(x, y) for x in range(left + 60, left + width - 60, 30)
                  for y in range(top + 60, top + height - 60, 30)]
        warm = sum(r - b > 12 for r, _, b in map(lambda p: g.rgb(*p), points))
        assert warm > len(points) // 2, f"{name}: {warm} of {len(points)} points in its face"


def test_small_screen():
    """On a 640 x 480 screen the window opens whole and scaled, the first hand dealt (read
    through the scaled table), without a window manager and then inside one's frame."""
    g = Game()
    whole_on_screen(g, "small_screen")
    g.close("close on a small screen")
    start_wm()
    g = Game()
    assert geometry(g.win, outer=True) != (g.x, g.y, g.w, g.h), "the window manager put no frame"
    whole_on_screen(g, "small_screen_framed")
    g.close("close in a frame on a small screen")


def key(*keys):  # presses to the window that has the keyboard; not one pointer event
    xdo("key", "--delay", 40, *keys)


def framed(g, left):
    """The drag's frame stands around the tile of the row found at left: its borders 25 twips
    left of the tile and 460 right of it (a look finds a tile some 60 twips early or late where
    pips cover the points it reads; a neighbour's frame has only one border in these bands)."""
    border = lambda xs: any(g.shows("frame", (x, 7675 + 300)) for x in xs)
    if border(range(left - 90, left + 45, 15)) and border(range(left + 395, left + 520, 15)):
        return []
    return [f"no frame around the tile at {left}"]


def lay_by_keys(g):
    """From the row's first tile, keys each tile with Return (Space every other time: wherever it
    fits, the left end first) until one leaves the row; False if none was laid. A tile that does
    not fit stays home with the focus: the step to a neighbour that follows each try (out to
    the buttons and back, for a row of one) shows that the game has taken the try, and no key
    is pressed before the last one was seen taken: a key pressed blind could meet a message box
    that the try opened."""
    tiles = player_tiles(g.look())
    key(*["Left"] * len(tiles))
    g.wait_for(10, lambda g: [] if g.boxes() else framed(g, tiles[0]))  # a turn's end opens one
    for i in range(len(tiles)):
        if g.boxes():
            return True
        if len(tiles) > 1:
            to = i + 1 if i + 1 < len(tiles) else i - 1
            step, back, stepped = "Right" if to > i else "Left", [], lambda g: not framed(g, tiles[to])
        else:
            step, back, stepped = "shift+Tab", ["Tab"], lambda g: bool(framed(g, tiles[0]))
        key("Return" if i % 2 == 0 else "space", step)
        laid = lambda g: len(player_tiles(g)) < len(tiles) or g.boxes()
        g.wait_for(10, lambda g: [] if laid(g) or stepped(g) else
                   [f"the try of tile {i} of {tiles} was not seen"])
        if laid(g.look()):
            return True
        if back:
            key(*back)
    return False


def read_box(g, box):
    """What a message box says, told by its height and the computer's row: one line (the
    computer draws or opens), or three: the end of a hand, with the computer's tiles turned up
    (or none left), or a pass, with them face down."""
    height = int(dict(v.split("=") for v in xdo("getwindowgeometry", "--shell", box))["HEIGHT"])
    if height < 100:
        return "computer"
    up = any(g.shows("face", face(1830 + 480 * k, 30)) for k in range(1, 15))
    down = any(g.shows("back", back(1830 + 480 * k, 30)) for k in range(1, 15))
    return "hand" if up or not down else "pass"


def test_keys():
    """Plays whole hands with the keyboard alone: after start-up not one pointer event, only key
    presses (xdotool key) to the window that has the keyboard, each message box answered with
    Return once it takes keys. On the deal of FROZEN_CLOCK it must draw, see a hand's end, lay a
    tile in the next hand and see the player pass there, within 100 s. The first key shows the
    focused tile in the drag's frame: keyboard.png."""
    faketime = next(iter(glob.glob("/usr/lib/*/faketime/libfaketime.so.1")), None)
    assert faketime, "libfaketime is not installed"
    g = Game(env=dict(os.environ, LD_PRELOAD=faketime, DONT_FAKE_MONOTONIC="1",
                      FAKETIME=FROZEN_CLOCK))
    xdo("windowfocus", "--sync", g.win)
    key("Right")
    g.wait_for(3, lambda g: framed(g, 2320))
    sp.run(["import", "-window", g.win, f"{OUT}/keyboard.png"], check=True)
    seen = dict(hands=0, next=0, draw=0, passes=0, ends=0, computer=0)
    end, was_open, drew = time.time() + 100, False, False
    while not all(seen[k] for k in ("ends", "next", "draw", "passes")):
        if time.time() > end or g.proc.poll() is not None:
            break
        for box in g.boxes():
            g.wait_for(5, lambda g: [] if g.ready(box) or box not in g.boxes() else ["not ready"])
            if box not in g.boxes():
                continue
            what = read_box(g.look(), box)
            seen[{"pass": "passes", "hand": "ends"}.get(what, what)] += 1
            print(f"{time.time() - end + 100:.1f} s: {what} box", flush=True)
            key("Return")
            g.wait_for(2, lambda g: [] if box not in g.boxes() else [f"{what} box still open"])
        is_open = g.look().shows("face", face(6025, 4000))
        seen["hands"] += was_open and not is_open
        was_open = is_open
        # The status stands by the player's hand on its turn; a deal may leave it where it was.
        if status_blue(g)[0] < 40 and is_open:
            time.sleep(0.05)
            continue
        # Right after a draw the turn tick may not yet have taken "Get Card" back from a drawn
        # tile that fits: the row is tried first, and a row where nothing fits needs the draw.
        if not drew and get_card_on(g.still()):
            rows = len(player_tiles(g.look()))
            key("g")
            g.wait_for(10, lambda g: [] if len(player_tiles(g)) > rows or g.boxes() else
                       ["Get Card drew nothing"])
            seen["draw"] += 1
            drew = True
        else:
            drew = False
            if lay_by_keys(g):
                seen["next"] += seen["hands"] > 0
    print(f"keyboard play: {seen}")
    assert g.proc.poll() is None, "the program ended"
    assert all(seen[k] for k in ("ends", "hands", "next", "draw", "passes")), f"in 100 s: {seen}"


def test_installed(program):
    """The installed game finds its skin (the buttons' warm face; Qt's is grey) and, at the first
    draw of either side, its sound module."""
    g = Game(program)
    r, _, b = g.rgb(335, 9150)
    assert r - b > 12, "the installed game did not find its skin"
    sound = lambda: "libbrackwell-sound.so" in open(f"/proc/{g.proc.pid}/maps").read()
    end = time.time() + 120
    while not sound():
        assert time.time() < end and g.proc.poll() is None, "no sound module loaded by a draw"
        play_turn(g)


if __name__ == "__main__":
    os.makedirs(OUT, exist_ok=True)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("FAIL: stopped from outside"))
    start_x(SCREENS.get(sys.argv[1], "1280x1024"))
    try:
        globals()["test_" + sys.argv[1]](*sys.argv[2:])
    except AssertionError as e:
        sp.run(["import", "-window", "root", f"{OUT}/{sys.argv[1]}-failed.png"])
        sys.exit(f"FAIL: {e}")
    finally:
        for p in reversed(PROCS):
            p.kill()
            p.wait()
        shutil.rmtree(TMP)
