#!/usr/bin/env bash
# The accessible tree of the real window, read over AT-SPI on buses of the test's own: every
# shown control named, the tiles by their pips, the open ends after a move, where a tile fits.
exec /usr/bin/python3 "$(dirname "$0")/accessible_tree.py"
