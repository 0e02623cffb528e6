#!/usr/bin/env bash
# Installs the Debian 12 packages that building, playing and testing Brackwell need.
# Only what is missing is installed; a machine that has everything is left alone.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libgl-dev libxcb1-dev libxcb-damage0-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-wayland weston libweston-10-dev
  xvfb xdotool x11-utils imagemagick dbus dbus-x11 at-spi2-core python3 twm xfonts-base
  python3-pyatspi gir1.2-atspi-2.0
  fonts-liberation fonts-dejavu-core
  clang-format
  desktop-file-utils appstream dpkg-dev man-db groff-base file lintian libfaketime
  # Test-only, never the package's: the screen reader and its speech server for the spoken
  # end-to-end test (speech-dispatcher's generic module writes the speech to a file), Qt's
  # platform headers for the announcer's test, and a load to check the tests under.
  orca speech-dispatcher qt6-base-private-dev stress-ng
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
