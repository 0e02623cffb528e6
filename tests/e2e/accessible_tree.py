#!/usr/bin/python3
"""The table as a screen reader reads it: the real program on a private X server, with its own
session bus and accessibility bus, its accessible tree read over AT-SPI. A dealt table names
every tile, button, score and status; a real drag of the first tile of the hand opens the line
of play with the pips that tile's name said; after the computer's answer the open ends carry
the values of the tiles at the ends, in words, and every tile of the hand says where it fits
and nothing else (the news is spoken, not kept in descriptions)."""
import os, re, signal, subprocess as sp, sys, time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import driver  # noqa: E402  (the X server, the game and the mouse of the other tests)

GROUPS = []  # process groups started here, ended at the end


def owned(name):
    """Whether a name has its owner on the session bus."""
    return "true" in sp.run(["dbus-send", "--session", "--print-reply",
                             "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                             "org.freedesktop.DBus.NameHasOwner", f"string:{name}"],
                            capture_output=True, text=True).stdout


def start_buses():
    """A session bus, then the accessibility bus on it, as a desktop session starts them. The
    program asks the session bus for the accessibility bus once, at start-up: the launcher must
    own its name by then, or the program never joins."""
    bus = sp.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                   stdout=sp.PIPE, text=True, start_new_session=True)
    GROUPS.append(bus)
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
    GROUPS.append(sp.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately",
                            "--a11y=1"], stderr=sp.DEVNULL, start_new_session=True))
    end = time.time() + 20
    while not owned("org.a11y.Bus"):
        assert time.time() < end, "the accessibility bus did not start"
        time.sleep(0.05)
    os.environ.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", NO_AT_BRIDGE="0")


def window(pyatspi, secs=20):
    """The game's window in the accessibility tree, once the program has joined the bus."""
    end = time.time() + secs
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        desktop.clearCache()
        for app in desktop:
            for w in (app or []):
                if w is not None and w.name == "Brackwell":
                    return w
        time.sleep(0.2)
    raise AssertionError("the game's window never appeared on the accessibility bus")


def read(win):
    """(role, name, description, showing, screen x, children, focused) of each child of the
    table, fresh."""
    import pyatspi
    win.clearCache()
    out = []
    for c in win:
        x = c.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).x
        out.append((c.getRoleName(), c.name, c.description,
                    c.getState().contains(pyatspi.STATE_SHOWING), x, len(c),
                    c.getState().contains(pyatspi.STATE_FOCUSED)))
    return out


def settled(win, problems, secs=20):
    """The table once it has come to rest as problems wants it: the program fills the tree
    and renames its tiles as it goes, and each object's properties come in a call of their
    own, so one read can mix two moments. Reads until two reads in a row are equal and
    problems finds nothing wrong in them."""
    end, last = time.time() + secs, None
    while True:
        tree = read(win)
        wrong = problems(tree)
        if tree == last and not wrong:
            return tree
        assert time.time() < end, wrong or "the tree never came to rest"
        last = tree
        time.sleep(0.05)


def complete(tree):  # every child a known role, shown, named, without children of its own
    return [t for t in tree if t[0] in ("unknown", "invalid") or not (t[1] and t[3]) or t[5]]


def named(tree, pattern):
    return [t for t in tree if re.fullmatch(pattern, t[1])]


PIPS = ["blank", "one", "two", "three", "four", "five", "six"]


def pips(name):  # "six and three, ..." -> (6, 3)
    a, b = re.match(r"(\w+) and (\w+)", name).groups()
    return PIPS.index(a), PIPS.index(b)


def fits(tile, left, right):
    a, b = pips(tile)
    where = [e for e, v in (("left", left), ("right", right)) if v in (a, b)]
    return {2: "fits both ends", 0: "does not fit"}.get(len(where), f"fits the {where[0]} end"
                                                        if where else "")


def end_value(tree, side):
    found = named(tree, f"{side} end: ({'|'.join(PIPS)})")
    assert len(found) == 1, f"{side} end: {[t[1] for t in named(tree, side + ' end.*')]}"
    return PIPS.index(found[0][1].split(": ")[1])


def test():
    import pyatspi
    g = driver.Game()
    driver.xdo("windowfocus", "--sync", g.win)  # as a window manager gives a new window the keys
    win = window(pyatspi)
    tree = settled(win, lambda tree: complete(tree) + ([] if tree else ["no children yet"]))
    print("a dealt table reads:\n  " + "\n  ".join(f"{r}: {n!r} {d!r}" for r, n, d, *_ in tree))
    hand = sorted(named(tree, r"\w+ and \w+, in your hand"), key=lambda t: t[4])
    counts = [len(hand), len(named(tree, "computer's tile, face down")),
              len(named(tree, r"(left|right) end: .*"))]
    assert counts == [7, 7, 2], f"hand, computer, ends: {counts}"
    assert all(t[2].startswith("fits: any tile opens the line of play") for t in hand), hand
    assert [t[6] for t in hand] == [True] + [False] * 6, "the focus is not on the first tile"
    for caption in ("Get Card", "New Game", "Cheat Comp.", "Computer score 000",
                    "Player score 000", "your turn"):
        assert named(tree, re.escape(caption)), f"no {caption!r}"
    assert [t[2] for t in named(tree, "Get Card")] == ["14 tiles in the boneyard"], tree
    assert [t[0] for t in tree].count("status bar") == 1, "more than one status bar"
    # Nothing else: the boneyard's tiles (Get Card counts them), the values, the second halves,
    # the outlines and the hidden boxes stay out.
    assert len(tree) == 7 + 7 + 2 + 3 + 2 + 4 + 1, f"{len(tree)} objects in the table"

    first = hand[0][1]
    a, b = pips(first)
    g.drag(2037, 7877, 6225, 3200)  # the leftmost tile of the hand, by its first half
    end = time.time() + 40
    while True:  # the computer answers, drawing with a message box each time it must
        g.answer_boxes()
        tree = read(win)
        if named(tree, "your turn") and named(tree, r".*1st tile .*"):
            break
        assert time.time() < end, f"no answer from the computer: {[t[1] for t in tree]}"
        time.sleep(0.05)
    # On the player's turn nothing moves until the player does: the tree comes to rest.
    tree = settled(win, lambda tree: [] if named(tree, "your turn") else ["not my turn"])
    opening = named(tree, r".*, line of play, opening tile")
    assert [t[1] for t in opening] == [first.replace("in your hand", "line of play, opening tile")]
    left, right = end_value(tree, "left"), end_value(tree, "right")
    # The end the computer took holds the other value of its tile; the other still the opening's.
    laid = named(tree, r".*, line of play, 1st tile (left|right) of the opening tile, at the .*")
    assert len(laid) == 1, laid
    side = "left" if "left end" in laid[0][1] else "right"
    c, d = pips(laid[0][1])
    assert (left if side == "left" else right) in (c, d), (laid, left, right)
    assert (right if side == "left" else left) == (b if side == "left" else a), (left, right)
    hand = named(tree, r"\w+ and \w+, in your hand")
    # Each tile says where it fits, and the focused one nothing more: the news is spoken once.
    assert len(hand) == 6 and all(t[2] == fits(t[1], left, right) for t in hand), \
        [(t[1], t[2]) for t in hand]
    assert len([t for t in hand if t[6]]) == 1, "the focus is not on one tile of the hand"
    print(f"after the move: left end {PIPS[left]}, right end {PIPS[right]}")
    g.close("close")


if __name__ == "__main__":
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("FAIL: stopped from outside"))
    os.makedirs(driver.OUT, exist_ok=True)
    try:
        start_buses()
        driver.start_x()
        test()
    except AssertionError as e:
        sp.run(["import", "-window", "root", f"{driver.OUT}/accessible-failed.png"])
        sys.exit(f"FAIL: {e}")
    finally:
        for p in reversed(driver.PROCS):
            p.kill()
            p.wait()
        for p in reversed(GROUPS):
            os.killpg(p.pid, signal.SIGKILL)
            p.wait()
        driver.shutil.rmtree(driver.TMP)
