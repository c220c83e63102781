#!/usr/bin/env bash
# Checks the .deb as a Debian user meets it: lintian shows no error and no warning without an
# override, the binaries carry the hardening flags, and the package installs with
# `apt-get install --no-install-recommends` and opens its window under Xvfb. The package is
# removed again at the end unless it was installed before.
# Usage: scripts/test-package.sh   (uses build/, as scripts/test.sh leaves it)
# Needs root or sudo (apt-get); scripts/setup.sh package installs lintian and hardening-check.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
fail() {
  echo "FAIL: $*"
  exit 1
}
for tool in cpack lintian hardening-check Xvfb xdotool apt-get; do
  command -v "$tool" > /dev/null || fail "$tool is not installed (scripts/setup.sh installs it)"
done

scripts/setup.sh package
echo "-- the package"
cmake --build "$build" -j2 --target Lumra lumra_reader kelvo dataset > /dev/null
rm -f "$build"/lumra_*.deb
(cd "$build" && cpack -G DEB > /dev/null)
deb=$(ls "$build"/lumra_*.deb)
deb=$(cd "$(dirname "$deb")" && pwd)/$(basename "$deb")
for dep in qt6-qpa-plugins qt6-translations-l10n fonts-hosny-amiri; do
  dpkg-deb -f "$deb" Depends | grep -q "$dep" || fail "$dep is not a dependency"
done

echo "-- lintian"
# Errors and warnings fail; overrides (with their reasons) are in the package.
report=$(lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian: $report"
printf '%s\n' "$report" | grep -v '^running with root' || true

echo "-- hardening-check"
work=$(mktemp -d "${TMPDIR:-/tmp}/lumra-package.XXXXXX")
app_pid=
xvfb_pid=
installed_before=$(dpkg-query -W -f='${Status}' lumra 2> /dev/null | grep -c 'install ok installed' || true)
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2> /dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2> /dev/null
  wait 2> /dev/null
  if [ "$installed_before" = 0 ]; then
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get purge -y -qq lumra > /dev/null 2>&1
  fi
  rm -rf "$work"
}
trap cleanup EXIT
dpkg-deb -x "$deb" "$work/root"
# Built with -D_FORTIFY_SOURCE=2, but the calls that could be fortified (memcpy, read, ...)
# all write into buffers whose size the compiler cannot know, so none is turned into its
# checked form and the check cannot see it. Control-flow protection is not among Debian 12's
# default flags. The library is no executable, so not PIE.
hardening-check --nofortify --nocfprotection "$work/root/usr/lib/lumra/Lumra" ||
  fail "Lumra lacks a hardening flag"
for library in libkelvo.so liblumra_reader.so; do
  hardening-check --nofortify --nocfprotection --nopie "$work/root/usr/lib/lumra/$library" ||
    fail "$library lacks a hardening flag"
done

echo "-- apt-get install --no-install-recommends"
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
  "$deb" > "$work/apt.log" 2>&1 || fail "apt-get install: $(tail -n 20 "$work/apt.log")"
[ -r /usr/share/doc/lumra/copyright ] || fail "no /usr/share/doc/lumra/copyright"
[ -r /usr/share/bash-completion/completions/lumra ] || fail "no bash completion"

echo "-- a subcommand of the installed program, without a display"
verse=$(env -u DISPLAY -u QT_QPA_PLATFORM HOME="$work" lumra show 2:255 --lang en) ||
  fail "lumra show 2:255 failed"
case $verse in "[2:255]  "*) ;; *) fail "lumra show 2:255 printed: $verse" ;; esac

echo "-- the installed reader under Xvfb"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_RUNTIME_DIR=$work/runtime LC_ALL=C.UTF-8 LANG=C.UTF-8
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM SESSION_MANAGER
. scripts/xvfb-display.sh
start_xvfb "$work/xvfb.log" || fail "no free display for Xvfb"
lumra > "$work/lumra.log" 2>&1 &
app_pid=$!
# The start-up window shows only after the data files passed the fingerprint check.
title=$(grep -a -m1 '^0045 ' /usr/lib/lumra/enift.txt | tr -d '\r' | cut -c6-)
deadline=$((SECONDS + 20))
until xdotool search --onlyvisible --name "^$title\$" > /dev/null 2>&1; do
  kill -0 "$app_pid" 2> /dev/null || fail "the reader ended: $(head -n 20 "$work/lumra.log")"
  [ "$SECONDS" -lt "$deadline" ] || fail "no window \"$title\" within 20 s"
  sleep 0.1
done
echo "PASS: lintian clean, hardened, installed without recommends, a subcommand run, window \"$title\" shown"
