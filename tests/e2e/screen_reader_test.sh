#!/usr/bin/env bash
# The game followed by ear: the real screen reader (Orca) on buses of the test's own, its speech
# written to a file by speech-dispatcher; start-up, the arrow keys and a restarted screen reader
# are spoken. Skipped (77) where Orca is not installed.
exec python3 "$(dirname "$0")/screen_reader.py"
