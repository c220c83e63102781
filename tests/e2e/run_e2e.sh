#!/usr/bin/env bash
# Drives the built reader under a virtual X server with the keyboard only and checks what it
# leaves behind: the clipboard, the settings file and an exported file.
# Usage: run_e2e.sh <path to Lumra>   (the data files lie beside the program)
# Exit codes: 0 passed, 1 failed, 77 skipped (no Xvfb, xdotool or xclip on this machine).
set -uo pipefail

exe=${1:?usage: run_e2e.sh <path to Lumra>}
exe=$(cd "$(dirname "$exe")" && pwd)/$(basename "$exe")
program_dir=$(dirname "$exe")
source_dir=$(cd "$(dirname "$0")/../.." && pwd)

for tool in Xvfb xdotool xclip iconv; do
  if ! command -v "$tool" > /dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/lumra-e2e.XXXXXX")
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_RUNTIME_DIR=$work/runtime LC_ALL=C.UTF-8 LANG=C.UTF-8 LANGUAGE=
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$work/export"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM SESSION_MANAGER
settings=$XDG_CONFIG_HOME/Lumra/ZOR.ini
xvfb_pid=
app_pid=

cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2> /dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2> /dev/null
  wait 2> /dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  if [ -s "$work/lumra.log" ]; then
    echo "the program's output:"
    head -n 60 "$work/lumra.log" | sed 's/^/  /'
  fi
  if [ -n "${DISPLAY:-}" ]; then
    echo "visible windows:"
    xdotool search --onlyvisible --name '.' getwindowname %@ 2> /dev/null | sed 's/^/  /'
    # A picture of the screen helps to see which box got in the way.
    if [ -n "${LUMRA_E2E_SCREENSHOT:-}" ] && command -v import > /dev/null; then
      import -window root "$LUMRA_E2E_SCREENSHOT" 2> /dev/null
    fi
  fi
  exit 1
}
step() { echo "-- $*"; }

# A free display of our own, so that parallel runs never meet.
. "$source_dir/scripts/xvfb-display.sh"
start_xvfb "$work/xvfb.log" || fail "no free display for Xvfb"

# What a screen reader hears, through a private session bus and its accessibility bus.
a11y=
if command -v dbus-launch > /dev/null && /usr/bin/python3 -c 'import pyatspi' 2> /dev/null; then
  eval "$(dbus-launch --sh-syntax)"
  bus_pid=$DBUS_SESSION_BUS_PID
  trap 'kill "$bus_pid" 2> /dev/null; cleanup' EXIT
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  a11y=1
else
  echo "note: no dbus-launch or python3-pyatspi, the accessibility checks are skipped"
fi
# heard TEXT...: each text is among the names and texts the accessibility bus gives.
heard() {
  [ -n "$a11y" ] || return 0
  local tree want deadline
  for want in "$@"; do
    deadline=$((SECONDS + 10))
    while :; do
      tree=$(/usr/bin/python3 "$source_dir/tests/e2e/read_accessible.py" Lumra 2> /dev/null)
      case "$tree" in *"$want"*) break ;; esac
      [ "$SECONDS" -lt "$deadline" ] || fail "a screen reader does not hear \"$want\"; it hears: $(printf '%s' "$tree" | head -c 1500)"
      sleep 0.2
    done
  done
}

# Interface text n of the table of language $texts (en or sv), as UTF-8.
texts=en
text() {
  local line
  if [ "$1" = 36 ]; then # the web address is built in, not read from the table
    sed -n 's/.*kWebAddress = "\(.*\)";.*/\1/p' "$source_dir/core/corpus/InterfaceTexts.h"
    return
  fi
  line=$(grep -a -m1 "^$(printf '%04d' "$1") " "$program_dir/${texts}ift.txt" | tr -d '\r')
  printf '%s' "${line:5}" | iconv -f WINDOWS-1252 -t UTF-8
}
# Line n of a data file of the program folder, as UTF-8.
data_line() { sed -n "$2p" "$program_dir/$1" | tr -d '\r' | iconv -f WINDOWS-1252 -t UTF-8; }
regex_quote() { printf '%s' "$1" | sed 's/[][\.*^$(){}+?|]/\\&/g'; }

# Waits until a visible window with exactly this title exists and gives it the keyboard.
focus_window() {
  local title=$1 id= deadline=$((SECONDS + 10))
  while [ "$SECONDS" -lt "$deadline" ]; do
    id=$(xdotool search --onlyvisible --name "^$(regex_quote "$title")\$" 2> /dev/null | tail -1)
    [ -n "$id" ] && break
    kill -0 "$app_pid" 2> /dev/null || fail "the program ended while waiting for \"$title\""
    sleep 0.05
  done
  [ -n "$id" ] || fail "no window \"$title\" within 10 s"
  xdotool windowfocus --sync "$id" 2> /dev/null || xdotool windowfocus "$id"
  window=$id
}
keys() { xdotool key --delay 30 "$@"; }
typed() { xdotool type --delay 30 "$1"; }

clipboard() { xclip -o -selection clipboard 2> /dev/null; }
# Waits until the clipboard differs from $1 and leaves its content in $clip.
wait_clipboard_change() {
  local deadline=$((SECONDS + 5))
  while [ "$SECONDS" -lt "$deadline" ]; do
    clip=$(clipboard; printf x)
    clip=${clip%x}
    [ "$clip" != "$1" ] && return 0
    sleep 0.05
  done
  fail "the clipboard did not change"
}
# Waits until the program ends and leaves its exit status in $status.
wait_exit() {
  local deadline=$((SECONDS + 10))
  while [ "$SECONDS" -lt "$deadline" ]; do
    kill -0 "$app_pid" 2> /dev/null || { wait "$app_pid"; status=$?; app_pid=; return 0; }
    sleep 0.05
  done
  fail "the program did not end after ${1:-Yes}"
}
# Value of key in [section] of the settings file (QSettings writes spaces in keys as %20).
setting() {
  awk -v section="[$1]" -v key="$2" '
    /^\[/ { inside = ($0 == section); next }
    inside { k = $0; sub(/=.*/, "", k); gsub(/%20/, " ", k)
             if (k == key) { v = $0; sub(/^[^=]*=/, "", v); print v; exit } }' "$settings"
}

main_title="$(text 1)$(text 45)$(text 100)$(text 49)$(text 100)$(text 36)"
start_program() {
  (cd "$work/export" && exec "$exe") > "$work/lumra.log" 2>&1 &
  app_pid=$!
  step "start-up window, Esc"
  focus_window "$(text 45)"
  keys Escape
  step "reminder box, Enter"
  focus_window "$(text 63)"
  keys Return
  focus_window "$main_title"
}
quit_program() {
  keys Escape
  focus_window "$(text 45)"
  keys Return
  wait_exit
}

start_program
main=$window

step "Home, F10: the first verse on the clipboard"
keys Home F10
wait_clipboard_change ""
verse1=$(data_line enkvt.txt 1)
[ -n "$verse1" ] || fail "enkvt.txt has no line 1"
# By default the copy starts with the indented subtitle and puts the text beside the reference.
case "$clip" in
  "     "?*$'\r\n\r\n[1:1]  '"$verse1"$'\r\n\r\n') ;;
  *) fail "verse clipboard: got $(printf '%q' "$clip"), expected it to end with [1:1]  $verse1 and a blank line" ;;
esac
step "what a screen reader hears of the main window at 1:1"
# The window's title, the verse in the pane, the sura's verse count in its fact label.
heard "$main_title" "${verse1:0:40}" $'label\t7\t'
# Roles and names: the window a frame, the bar, the pane and the chooser by their captions.
main_heard() {
  heard $'frame\t'"$main_title" $'scroll bar\t'"$(text 27)"$'\t' $'\t'"$(text 109)"$'\t' \
    $'combo box\t'"$(text 26)"$'\t' $'push button\t'"$(text 115)"$'\t'
}
main_heard

step "O at 1:1: the companion window's panes by their names, F10 copies the original"
keys o
focus_window "$(text 146)1:1"
heard $'frame\t'"$(text 146)1:1" $'\t'"$(text 148)"$'\t' $'\t'"$(text 149)"$'\t' \
  $'\t'"$(text 150)"$'\t'
before=$clip
keys F10
wait_clipboard_change "$before"
original1=$(sed -n 1p "$program_dir/original.txt")
case "$clip" in
  *"[1:1]"*"$original1"*) ;;
  *) fail "the companion's copy lacks the original of 1:1: $(printf '%q' "${clip:0:300}")" ;;
esac
keys Escape
focus_window "$main_title"

step "F2, a search in list mode, F10 in the verse list"
query=praise
keys F2
focus_window "$(text 13)"
typed "$query"
step "the search dialog: a dialog, its query box named by its caption, not by what was typed"
heard $'dialog\t'"$(text 13)" $'combo box\t'"$(text 14)"$'\t'
# Tab order of the dialog: query box, then five option boxes, then "list all hits".
keys Tab Tab Tab Tab Tab Tab space Return
# Verse texts are line n = position n; the search ignores case by default.
hits=$(tr -d '\r' < "$program_dir/enkvt.txt" | grep -a -c -i "$query")
focus_window "$(text 90)$hits)"
before=$clip
keys F10
wait_clipboard_change "$before"
listed=$(printf '%s' "$clip" | grep -a -c '^\[[0-9]*:[0-9]*\]')
[ "$listed" -eq "$hits" ] || fail "the list names $listed verses, $hits verse texts hold \"$query\""
verse2=$(data_line enkvt.txt 2)
case "$clip" in
  *"[1:2]  ${verse2//praise/PRAISE}"*) ;;
  *) fail "the list lacks 1:2 with the found term in capitals: $(printf '%q' "${clip:0:300}")" ;;
esac
keys Escape
focus_window "$(text 13)"
keys Escape
focus_window "$main_title"

step "F5: the settings dialog's sliders and boxes by their captions"
settings_heard() {
  keys F5
  focus_window "$(text 54)"
  heard $'dialog\t'"$(text 54)" $'scroll bar\t'"$(text 55)"$'\t' $'scroll bar\t'"$(text 57)"$'\t' \
    $'scroll bar\t'"$(text 111)"$'\t' $'check box\t'"$(text 104): $(text 107)"$'\t' \
    $'check box\t'"$(text 109): $(text 107)"$'\t'
  keys Escape
  focus_window "$main_title"
}
settings_heard

step "Z twice, Esc, Yes: the settings are saved"
keys z z
quit_program
[ -f "$settings" ] || fail "no settings file $settings"
[ "$(setting G_SET vw_fs)" = 12 ] || fail "vw_fs is '$(setting G_SET vw_fs)', expected 12"
[ "$(setting s_list ' 0')" = "$query" ] || fail "history slot 0 is '$(setting s_list ' 0')'"

step "second start, F4: export 2:1 to 2:5 as rich text"
start_program
keys F4
focus_window "$(text 38)"
# From sura, from verse, to sura, to verse, then the file name; Enter moves on each time.
typed 2; keys Return; typed 1; keys Return; typed 2; keys Return; typed 5; keys Return
typed e2e; keys Return space
focus_window "$(text 45)"
keys Return
focus_window "$(text 38)"
keys Escape
focus_window "$main_title"
out=$work/export/e2e.rtf
[ -f "$out" ] || fail "no exported file $out (folder holds: $(ls "$work/export"))"
first=$(head -n 1 "$out" | tr -d '\r' | iconv -f WINDOWS-1252 -t UTF-8)
v21=$(data_line enkvt.txt 9)
v26=$(data_line enkvt.txt 14)
case "$first" in
  "{\\rtf"*"[2:1]  "*"${v21:0:20}"*"[2:5]  "*) ;;
  *) fail "first line of the export: $(printf '%q' "${first:0:300}")" ;;
esac
case "$first" in *"[2:6]"* | *"$v26"*) fail "the export goes beyond 2:5" ;; esac

step "F6, 2:287 refused, Enter in the box, then 286: the verse box kept the focus"
keys F6
focus_window "$(text 25)"
typed 2; keys Return; typed 287; keys Return
# The box's Enter is its own: it closes the box and nothing else.
focus_window "$(text 71)"
heard "$(text 73)"
keys Return
focus_window "$(text 25)"
typed 286; keys Return
focus_window "$main_title"
before=$clip
keys F10
wait_clipboard_change "$before"
case "$clip" in *"[2:286]"*) ;; *) fail "after the refusal the go-to dialog did not reach 2:286: $(printf '%q' "${clip:0:200}")" ;; esac

step "L, Esc, Yes: the language is saved"
keys l
texts=sv
main_title="$(text 1)$(text 45)$(text 100)$(text 49)$(text 100)$(text 36)"
focus_window "$main_title"
step "in Swedish, a screen reader hears the Swedish captions"
main_heard
settings_heard
quit_program
[ "$(setting G_SET lang)" = 2 ] || fail "lang is '$(setting G_SET lang)', expected 2"

step "third start, X, F2, SIGTERM with the search dialog open: saved without a question, status 0"
start_program
keys x F2
focus_window "$(text 13)"
kill -TERM "$app_pid"
wait_exit SIGTERM
[ "$status" = 0 ] || fail "exit status $status after SIGTERM, expected 0"
[ "$(setting G_SET vw_fs)" = 11 ] || fail "vw_fs is '$(setting G_SET vw_fs)' after SIGTERM, expected 11"

echo "PASS in ${SECONDS}s"
