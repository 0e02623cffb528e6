#!/usr/bin/python3
"""The game followed by ear: the real program with the real screen reader, Orca, as a blind
player's Debian desktop runs them, and what Orca would say read back as text.

How it works. Everything runs on buses and servers of the test's own, in a temporary folder:
  - Xvfb and twm (driver.py), so that the window is framed and gets the keyboard as on a desktop;
  - a session bus, and on it the accessibility bus (at-spi-bus-launcher; the registry daemon is
    started on it by D-Bus activation). Accessibility is off until Orca switches it on, as it
    does at start-up, and Qt follows that switch: no ALWAYS_ON variable;
  - speech-dispatcher with a private configuration whose only output module is the generic
    module running `printf '%s\\n' TEXT >> spoken.log`: each utterance Orca sends is one line
    of that file, and no sound is made;
  - Orca with a private home and preferences folder (defaults: key echo on, verbose speech);
  - the game, $BRACKWELL_BIN.
The checks press keys with xdotool and wait, with a generous deadline, until a line matching a
pattern has been spoken after a mark (Speech.mark), never for a fixed time. On a failure the tail
of the speech log is shown, and BRACKWELL_ORCA_DEBUG=1 keeps Orca's debug log in $E2E_OUT.
Exits 77 (skipped) where Orca or speech-dispatcher is not installed.

    screen_reader.py            # every check below
    screen_reader.py CHECK...   # some of them, by name (check_ left off)

To add a check: write `def check_NAME(game, speech)` below and add it to CHECKS. Each check runs
in a fresh game, starting with the focus on the first tile of the hand and Orca having spoken it
(game.focused); it presses keys (game.key) and waits on speech (speech.wait_for). A thing that
must NOT be said is checked after waiting for something that must be said after it (speech.count
since the mark), never by waiting a while. Checks the game's news will want:
  - a draw naming the tile: on a deal where nothing fits (driver.FROZEN_CLOCK under libfaketime,
    as driver.test_keys plays it), game.key("g"), then wait_for(rf"You drew {TILE}");
  - a refused key answered in words: game.key("g") while a tile fits, wait_for the refusal;
  - the table's summary: game.key("t"), wait_for the ends and the counts;
  - no news repeated by arrow keys: after the news was heard, mark, game.key("Right", "Left"),
    wait_for the tile spoken back, then assert speech.count(news) == 0.
"""
import os, re, shutil, signal, subprocess as sp, sys, time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import driver  # noqa: E402  (the X server, the window manager, the game's window)

TMP, GROUPS = driver.TMP, []  # process groups started here, ended at the end
MODULES = "/usr/lib/speech-dispatcher-modules"
DEADLINE = 30  # seconds to wait for a sentence; Orca on a busy machine can lag by seconds
PIPS = "blank|one|two|three|four|five|six"
TILE = rf"(?:{PIPS}) and (?:{PIPS})"
# The texts of the game's own message boxes.
BOX = r"Computer Will (Start|Take Extra Card)|Has No Cards To Move|Win That Game|Game Is Draw"


def start(args, **kw):
    p = sp.Popen(args, start_new_session=True, **kw)
    GROUPS.append(p)
    return p


def wait_until(what, secs, ok):
    end = time.time() + secs
    while not ok():
        assert time.time() < end, what()
        time.sleep(0.05)


def start_buses():
    """A session bus, then the accessibility bus on it, as a desktop session starts them."""
    bus = start(["dbus-daemon", "--session", "--nofork", "--print-address=1"], stdout=sp.PIPE,
                text=True)
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
    start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], stderr=sp.DEVNULL)


def start_speech():
    """speech-dispatcher, its one output module writing each utterance as a line of a file."""
    conf, log = f"{TMP}/speechd", f"{TMP}/spoken.log"
    os.makedirs(f"{conf}/modules")
    os.makedirs(f"{TMP}/speechd-log")
    open(log, "w").close()
    with open(f"{conf}/speechd.conf", "w") as f:
        f.write('AddModule "textfile" "sd_generic" "textfile.conf"\nDefaultModule textfile\n'
                'LogLevel 2\nDefaultLanguage "en"\nAudioOutputMethod "libao"\n')
    with open(f"{TMP}/.libao", "w") as f:  # libao's own configuration, in speechd's home
        f.write("default_driver=null\n")
    with open(f"{conf}/modules/textfile.conf", "w") as f:
        f.write(f'GenericExecuteSynth "printf \'%s\\\\n\' \\\'$DATA\\\' >> {log}"\n'
                'GenericLanguage "en" "en" "utf-8"\nAddVoice "en" "MALE1" "text"\n'
                'DefaultVoice "text"\n')
    sock = f"{TMP}/speechd.sock"
    start(["speech-dispatcher", "--run-single", "--timeout", "0", "--config-dir", conf,
           "--module-dir", MODULES, "--socket-path", sock, "--log-dir", f"{TMP}/speechd-log"],
          env=dict(os.environ, HOME=TMP), stdout=sp.DEVNULL,
          stderr=open(f"{TMP}/speechd.err", "w"))
    os.environ["SPEECHD_ADDRESS"] = f"unix_socket:{sock}"
    wait_until(lambda: "speech-dispatcher did not start: " + open(f"{TMP}/speechd.err").read(),
               20, lambda: os.path.exists(sock))
    return Speech(log)


class Speech:
    """What Orca said, line by line, read from the speech log."""

    def __init__(self, path):
        self.path, self.seen = path, 0

    def lines(self):
        with open(self.path, encoding="utf-8", errors="replace") as f:
            return f.read().splitlines()

    def mark(self):
        """From here on: what wait_for and count look at."""
        self.seen = len(self.lines())
        return self

    def since(self):
        return self.lines()[self.seen:]

    def wait_for(self, pattern, secs=DEADLINE):
        """The first line spoken since the mark that matches pattern (a regular expression
        searched in the line); the mark moves past it."""
        end = time.time() + secs
        while True:
            new = self.since()
            for i, line in enumerate(new):
                if re.search(pattern, line):
                    self.seen += i + 1
                    return line
            assert time.time() < end, f"not spoken within {secs} s: {pattern!r}; " \
                                      f"spoken since the mark: {new[-12:]}"
            time.sleep(0.05)

    def count(self, pattern):
        """How many lines spoken since the mark match pattern."""
        return sum(bool(re.search(pattern, line)) for line in self.since())


def wait_for_other_orcas(secs=90):
    """Orca will not start while another Orca of the same user runs (another run of this test,
    the budgets' measurement, or the user's own): wait for it to end, or skip."""
    end = time.time() + secs
    while sp.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"], capture_output=True).stdout:
        if time.time() > end:
            print("SKIP: another Orca of this user runs, and Orca starts only once a user")
            sys.exit(77)
        time.sleep(0.2)


def start_orca(speech):
    """Orca with a home of its own; ready once it has said so. Returns the process."""
    wait_for_other_orcas()
    home = f"{TMP}/home"
    os.makedirs(f"{home}/orca", exist_ok=True)
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=f"{home}/.config",
               XDG_DATA_HOME=f"{home}/.local/share", XDG_CACHE_HOME=f"{home}/.cache")
    args = ["orca", "--user-prefs", f"{home}/orca"]
    if os.environ.get("BRACKWELL_ORCA_DEBUG") == "1":
        args += ["--debug-file", f"{driver.OUT}/orca-debug.out"]
    orca = start(args, env=env, stdout=open(f"{TMP}/orca.log", "a"), stderr=sp.STDOUT)
    speech.mark().wait_for(r"Screen reader on", 60)
    return orca


class Game(driver.Game):
    def __init__(self, speech, frozen=False):
        speech.mark()
        env = None
        if frozen:  # the deal of driver.FROZEN_CLOCK, the one the keyboard's game plays
            faketime = next(iter(driver.glob.glob("/usr/lib/*/faketime/libfaketime.so.1")), None)
            assert faketime, "libfaketime is not installed"
            env = dict(os.environ, LD_PRELOAD=faketime, DONT_FAKE_MONOTONIC="1",
                       FAKETIME=driver.FROZEN_CLOCK)
        super().__init__(env=env)
        self.answered = self.boxes_read(speech)  # the boxes of the games before this one
        driver.xdo("windowfocus", "--sync", self.win)
        # Orca has found the window and the first tile of the hand, which has the focus.
        self.focused = speech.wait_for(rf"{TILE}, in your hand")

    def key(self, *keys):
        # A message box closed by the test hands the keyboard back to the table.
        driver.xdo("windowfocus", "--sync", self.win, "key", "--delay", 60, *keys)

    def until(self, speech, pattern, what):
        """Answers the message boxes (with Return) until pattern has been spoken since the
        mark; the line."""
        end = time.time() + DEADLINE
        while True:
            for i, line in enumerate(speech.since()):
                if re.search(pattern, line):
                    speech.seen += i + 1
                    return line
            assert time.time() < end, f"{what} not spoken: {speech.since()[-12:]}"
            if self.boxes():
                self.answer_box_heard(speech)
            time.sleep(0.05)

    def answer_box_heard(self, speech):
        """A message box opened by itself is read out before it is answered, as a player hears
        it: its text (as Orca reads a dialog as it opens), then Return. The keyboard then goes
        back to the table, as a desktop's window manager gives it back (twm gives the keyboard
        to the window under the pointer, and a box that opens next would find none)."""
        end = time.time() + DEADLINE
        while self.boxes_read(speech) <= self.answered:  # once, wherever the mark is
            assert time.time() < end, f"a message box not read: {speech.lines()[-12:]}"
            time.sleep(0.05)
        self.answer_boxes()
        self.answered += 1
        driver.xdo("windowfocus", "--sync", self.win)

    @staticmethod
    def boxes_read(speech):
        return sum(bool(re.search(BOX, line)) for line in speech.lines())


def check_startup(game, speech):
    """The window opens with the focus on the first tile of the hand: Orca says the window, the
    tile by its pips and where it fits."""
    speech.wait_for(r"^fits: ")
    assert speech.lines().count("Brackwell frame.") >= 1, speech.lines()[-8:]


def check_arrows(game, speech):
    """Right and Left move along the hand; each tile is spoken by its pips."""
    tile = lambda line: re.search(TILE, line)[0]
    game.key("Right")
    second = speech.wait_for(rf"{TILE}, in your hand")
    game.key("Left")
    again = speech.wait_for(rf"{TILE}, in your hand")
    assert tile(second) != tile(game.focused) and tile(again) == tile(game.focused), \
        (game.focused, second, again)



def check_computer_move(game, speech):
    """The focused tile opens the line of play; the computer's answer is spoken with no further
    key, whatever has the focus (the computer draws first where nothing of its fits, each draw
    with a message box, answered here by Return)."""
    game.key("Return")  # the first key shows which tile has the focus, and says so
    speech.wait_for(rf"^{TILE}: press again to lay it")
    game.key("Return")
    end = time.time() + DEADLINE
    while not speech.count(r"Computer laid "):
        assert time.time() < end, f"no move of the computer spoken: {speech.since()[-12:]}"
        game.answer_boxes()
        time.sleep(0.05)


def lay_one(game, speech):
    """From the first tile of the hand, Return on tile after tile until one is laid, as a player
    who hears each refusal would (the keyboard's end-to-end game plays the same way)."""
    game.key(*["Left"] * 7)
    speech.wait_for(r"^start of your hand")
    for _ in range(8):
        game.key("Return")
        speech.wait_for(r"^return\s*$")  # Orca's key echo; the game's answer comes after it
        line = speech.wait_for(r"^You (laid|opened)|^does not fit: |^nothing fits|^not your turn")
        if line.startswith("You"):
            return line
        assert line.startswith("does not fit"), line  # a turn of ours with a tile that fits
        game.key("Right")
        if speech.wait_for(rf"{TILE}, in your hand|^end of your hand").startswith("end"):
            game.key(*["Left"] * 7)
            speech.wait_for(r"^start of your hand")
    raise AssertionError(f"no tile laid: {speech.lines()[-12:]}")


def check_hand_by_ear(game, speech, quiet=False):
    """A hand followed by ear and played by keys alone, on the deal of driver.FROZEN_CLOCK (the
    player opens, and the hand brings a draw): the key that first shows the focused tile says
    so; the opening; the computer's move spoken with no key pressed; arrows speak tiles and no
    news again; T reads the table; G refused in words while a tile fits; a draw names its tile.
    The whole transcript is printed."""
    try:
        game.key("Return")  # the frame is not shown yet: this key only shows it
        speech.wait_for(rf"^{TILE}: press again to lay it\.?$")
        game.key("Return")
        speech.wait_for(rf"^You opened with {TILE}\.$")
        game.until(speech, rf"Computer (laid {TILE} at the (left|right) end|drew a tile)", "reply")
        game.until(speech, r"Your turn\.$", "the turn coming back")
        speech.mark()
        game.key("Right")
        speech.wait_for(rf"{TILE}, in your hand")
        game.key("Left")
        speech.wait_for(rf"{TILE}, in your hand")
        assert speech.count(r"Computer |Your turn") == 0, speech.since()
        game.key("t")
        for sentence in (r"^Left end \w+, right end \w+\.$",  # Orca speaks it sentence by sentence
                         r"^ ?You hold \d+ tiles?, the computer \d+ tiles?, the boneyard \d+ tiles?\.$",
                         r"^ ?Your score \d+, computer's score \d+\.$", r"^ ?Your turn\.$"):
            speech.wait_for(sentence)
        refused = False
        for _ in range(12):
            game.key("g")
            speech.wait_for(r"^g\s*$")
            line = speech.wait_for(rf"^You drew {TILE}: (fits|does not fit)|^a tile of yours fits\.?$")
            if line.startswith("You drew"):
                assert refused, "a draw before any refusal: the deal is not the one expected"
                return
            refused = True
            lay_one(game, speech)
            game.until(speech, r"Your turn\.$", "the turn coming back")
        raise AssertionError("no draw in 12 turns")
    finally:
        if not quiet:
            print("what was spoken:\n  " + "\n  ".join(speech.lines()), flush=True)


def cpu_ticks(pid):
    fields = open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])  # user and system time, in clock ticks


def idle_share(pid, secs):
    """The share of one core the process used while left alone for secs seconds, in %."""
    t0, c0 = time.monotonic(), cpu_ticks(pid)
    time.sleep(secs)  # measuring over a span of time is the point here, not a wait for a state
    return 100 * (cpu_ticks(pid) - c0) / os.sysconf("SC_CLK_TCK") / (time.monotonic() - t0)


def check_idle(game, speech):
    """The game's idle processor with the screen reader listening, after a hand played by ear up
    to its draw: the budgets' row, beside the game's idle figure without one from the probe.
    Prints it; fails only past a generous bound (a busy machine makes ticks of 10 s noisy)."""
    check_hand_by_ear(game, speech, quiet=True)
    game.still()
    secs = float(os.environ.get("IDLE", "10"))
    listening = idle_share(game.proc.pid, secs)
    print(f"idle processor over {secs:g} s: {listening:.2f} % of a core with the screen reader",
          flush=True)
    assert listening <= 2.0, listening


def check_orca_restart(game, speech):
    """A screen reader restarted in mid-game finds the game again: the next key is spoken."""
    global ORCA
    os.killpg(ORCA.pid, signal.SIGKILL)
    ORCA.wait()
    ORCA = start_orca(speech)
    driver.xdo("windowfocus", "--sync", game.win)
    game.key("Right")
    speech.wait_for(rf"{TILE}, in your hand")


CHECKS = {"startup": check_startup, "arrows": check_arrows, "computer_move": check_computer_move,
          "hand_by_ear": check_hand_by_ear, "orca_restart": check_orca_restart}
EXTRA = {"idle": check_idle}  # run only when named: the budgets' measurement
FROZEN = {"hand_by_ear", "idle"}  # checks played on a known deal
ORCA = None


def main(names):
    for tool in ("orca", "speech-dispatcher", "/usr/libexec/at-spi-bus-launcher",
                 f"{MODULES}/sd_generic"):
        if not shutil.which(tool) and not os.path.exists(tool):
            print(f"SKIP: {tool} is not installed")
            sys.exit(77)
    start_buses()
    driver.start_x()
    driver.start_wm()
    speech = start_speech()
    global ORCA
    ORCA = start_orca(speech)
    for name in names or CHECKS:
        print(f"-- {name}", flush=True)
        game = Game(speech, frozen=name in FROZEN)
        {**CHECKS, **EXTRA}[name](game, speech)
        if name in EXTRA:  # a measurement, run without the test's tools
            game.proc.terminate()
            game.proc.wait()
        else:
            game.close(name)


if __name__ == "__main__":
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("FAIL: stopped from outside"))
    os.makedirs(driver.OUT, exist_ok=True)
    try:
        main(sys.argv[1:])
    except AssertionError as e:
        sp.run(["import", "-window", "root", f"{driver.OUT}/screen_reader-failed.png"])
        sys.exit(f"FAIL: {e}")
    finally:
        for p in reversed(driver.PROCS):
            p.kill()
            p.wait()
        for p in reversed(GROUPS):
            try:
                os.killpg(p.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            p.wait()
        shutil.rmtree(TMP, ignore_errors=True)
