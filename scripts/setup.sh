#!/usr/bin/env bash
# Installs what the build needs (Debian 12 packages), then configures the build folder.
# Usage: scripts/setup.sh [preset]   (preset: default, asan or fuzz; or package: the default
# build with the package checkers lintian and hardening-check, for scripts/test-package.sh)
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make qt6-base-dev qt6-translations-l10n libgl-dev nlohmann-json3-dev libgtest-dev at-spi2-core python3-pyatspi dbus-x11
          fonts-dejavu-core fonts-hosny-amiri xvfb xdotool xclip dpkg-dev libbenchmark-dev)
# The fuzzers need clang and its libFuzzer runtime.
[ "${1:-default}" = fuzz ] && packages+=(clang-14 libclang-rt-14-dev)
preset=${1:-default}
if [ "$preset" = package ]; then
  packages+=(lintian devscripts)
  preset=default
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# npm may come with another Node.js installation (whose package conflicts with Debian's npm).
command -v npm > /dev/null || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi

cmake --preset "$preset" > /dev/null
