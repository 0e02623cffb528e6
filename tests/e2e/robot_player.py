#!/usr/bin/env python3
"""Plays Brackwell in its real window as a person would, with the mouse and the keyboard only.

It reads the screen from the X server's framebuffer file, tries each tile of its hand at each
end of the line of play with a real drag (a tile that fits nowhere comes back), presses
"Get Card" when nothing fits, and answers every message box with Return. It knows a hand has
ended when the line of play is cleared by the next deal.

    robot_player.py FRAMEBUFFER WINDOW_ID X Y --hands N | --game

Exit status 0 when the hands were played (or, with --game, the program ended after a score
reached 101), 1 on a failure, with a message.
"""
import argparse
import os
import struct
import subprocess
import sys
import time

TWIPS_PER_PIXEL = 15
ROW_TOP_PLAYER = 7675
ROW_TOP_COMPUTER = 30  # after the first packing; 60 at the deal
DROP_RIGHT = (3000, 5000)  # inside the right end's region
DROP_LEFT = (3000, 2000)  # inside the left end's region
GET_CARD = (45 + 550, 7170 + 175)


class Screen:
    """The X server's framebuffer (an XWD image), read fresh at every look."""

    def __init__(self, path, win_x, win_y):
        self.path, self.win_x, self.win_y = path, win_x, win_y

    def look(self):
        with open(self.path, "rb") as f:
            data = f.read()
        h = struct.unpack(">25I", data[:100])
        header_size, width, height = h[0], h[4], h[5]
        bytes_per_line, ncolors = h[12], h[19]
        self.width, self.height, self.stride = width, height, bytes_per_line
        self.pixels = data[header_size + 12 * ncolors:]
        return self

    def rgb(self, tx, ty):
        x = self.win_x + (2 * tx + 15) // 30
        y = self.win_y + (2 * ty + 15) // 30
        i = y * self.stride + x * 4
        b, g, r = self.pixels[i], self.pixels[i + 1], self.pixels[i + 2]
        return r, g, b

    def is_face(self, tx, ty):
        r, g, b = self.rgb(tx, ty)
        return r < 0x40 and g < 0x40 and b < 0x40

    def is_back(self, tx, ty):
        r, g, b = self.rgb(tx, ty)
        return r >= 0x40 and r > g + 0x20 and r > b + 0x18


def xdo(*args):
    return subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True).stdout


class Robot:
    def __init__(self, screen, win):
        self.screen, self.win = screen, win

    def px(self, tx, ty):
        return self.screen.win_x + tx // TWIPS_PER_PIXEL, self.screen.win_y + ty // TWIPS_PER_PIXEL

    def boxes(self):
        out = xdo("search", "--onlyvisible", "--name", "^(Brackwell|Application Error)$")
        return [w for w in out.split() if w != self.win]

    def error_box(self):
        return xdo("search", "--onlyvisible", "--name", "^Application Error$").strip()

    def player_tiles(self):
        """The Lefts of the first halves in the player's row, read from the screen."""
        s = self.screen.look()
        lefts = []
        for left in range(1350 + 480, 1350 + 480 * 16, 5):
            if s.is_face(left + 146, ROW_TOP_PLAYER + 146) and s.is_face(left + 60, ROW_TOP_PLAYER + 60):
                if not lefts or left - lefts[-1] > 300:
                    lefts.append(left)
        return lefts

    def chain_opened(self):
        """The opening place holds a tile."""
        return self.screen.look().is_face(6025 + 146, 4000 + 146)

    def still(self):
        """Nothing moves on the table for a moment (no flight, no slide). The robot does not need
        to know whose turn it is: a press outside its turn moves nothing."""
        first = bytes(self.screen.look().pixels)
        time.sleep(0.15)
        return first == bytes(self.screen.look().pixels)

    def drag(self, left, target):
        x0, y0 = self.px(left + 200, ROW_TOP_PLAYER + 200)
        x1, y1 = self.px(target[0] + 200, target[1] + 200)
        xdo("mousemove", x0, y0, "mousedown", 1)
        for i in range(1, 9):
            xdo("mousemove", x0 + (x1 - x0) * i // 8, y0 + (y1 - y0) * i // 8)
            time.sleep(0.02)
        xdo("mouseup", 1)
        time.sleep(0.25)
        xdo("mousemove", *self.px(11500, 9200))  # out of the way of what it looks at

    def answer_boxes(self):
        for b in self.boxes():
            if self.error_box():
                raise RuntimeError("an Application Error message appeared")
            xdo("windowfocus", "--sync", b, "key", "Return")
            time.sleep(0.1)

    def move(self):
        """One move of the player: a tile laid, or a tile drawn. False if nothing could be done."""
        tiles = self.player_tiles()
        for left in tiles:
            for target in (DROP_RIGHT, DROP_LEFT):
                self.drag(left, target)
                if len(self.player_tiles()) < len(tiles):
                    return True
                if self.boxes():
                    return True  # the move was answered already
        xdo("mousemove", *self.px(*GET_CARD), "click", 1)
        xdo("mousemove", *self.px(11500, 9200))
        deadline = time.time() + 3  # the drawn tile slides in from the boneyard
        while time.time() < deadline:
            if len(self.player_tiles()) > len(tiles):
                return True
            time.sleep(0.1)
        return False


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("framebuffer")
    ap.add_argument("window")
    ap.add_argument("x", type=int)
    ap.add_argument("y", type=int)
    ap.add_argument("--hands", type=int, default=1)
    ap.add_argument("--game", action="store_true")
    ap.add_argument("--pid", type=int, default=0)
    ap.add_argument("--minutes", type=float, default=10)
    a = ap.parse_args()
    robot = Robot(Screen(a.framebuffer, a.x, a.y), a.window)
    hands = moves = draws = 0
    opened = False
    deadline = time.time() + 60 * a.minutes
    while time.time() < deadline:
        if a.pid and not os.path.exists(f"/proc/{a.pid}"):
            print(f"the program ended after {hands} hands, {moves} moves, {draws} draws")
            return 0 if a.game else 1
        try:
            robot.answer_boxes()
            now_opened = robot.chain_opened()
            if opened and not now_opened:
                hands += 1
                print(f"hand {hands} over after {moves} moves, {draws} draws", flush=True)
                if not a.game and hands >= a.hands:
                    return 0
            opened = now_opened
            if robot.still():
                before = len(robot.player_tiles())
                if robot.move():
                    moves += 1
                    draws += len(robot.player_tiles()) > before
            time.sleep(0.1)
        except (RuntimeError, FileNotFoundError, struct.error, IndexError) as e:
            if a.pid and not os.path.exists(f"/proc/{a.pid}"):
                continue
            print(f"FAIL: {e}", file=sys.stderr)
            return 1
    print(f"FAIL: still playing after {a.minutes} minutes ({hands} hands, {moves} moves)", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
