#!/usr/bin/env python3
"""Writes runtime/pic/Move.wav: a short, soft click of a tile set down on the table.

A decaying mix of two low partials with a brief noise transient, 16-bit mono at 22050 Hz,
about 90 ms long. Run it again to remake the file; the output is the same every time."""
import math
import random
import struct
import sys
import wave

RATE = 22050
LENGTH = 0.09


def samples():
    rng = random.Random(7)
    n = int(RATE * LENGTH)
    for i in range(n):
        t = i / RATE
        body = 0.55 * math.sin(2 * math.pi * 1150 * t) * math.exp(-t * 70)
        body += 0.35 * math.sin(2 * math.pi * 2310 * t) * math.exp(-t * 110)
        knock = (rng.random() * 2 - 1) * math.exp(-t * 900) * 0.6
        fade = min(1.0, (n - i) / (RATE * 0.01))
        yield max(-1.0, min(1.0, (body + knock) * fade * 0.8))


def main(path):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(s * 32767)) for s in samples()))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "runtime/pic/Move.wav")
