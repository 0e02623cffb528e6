#!/usr/bin/env bash
# Installs what is missing, builds Brackwell and runs every test: the headless unit tests, the
# Qt tests on the offscreen platform and the end-to-end tests of the real window under Xvfb,
# then the unit tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)

# The code follows .clang-format.
find src tests bench tools \( -name "*.cpp" -o -name "*.h" \) -print0 | xargs -0 clang-format --dry-run -Werror

cmake --preset default >/dev/null
cmake --build --preset default -j "$jobs"
ctest --preset default -j "$jobs"

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j "$jobs"
ctest --preset sanitize -j "$jobs"
