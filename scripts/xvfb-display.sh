# Sourced by the tests that need a display: start_xvfb LOG starts Xvfb on the first free
# display, sets xvfb_pid and exports DISPLAY; it returns 1 when no display could be had.
start_xvfb() {
  local n
  for n in $(seq 90 190); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset > "$1" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      kill -0 "$xvfb_pid" 2> /dev/null || break
      sleep 0.05
    done
    if [ -e "/tmp/.X11-unix/X$n" ] && kill -0 "$xvfb_pid" 2> /dev/null; then
      export DISPLAY=:$n
      return 0
    fi
    xvfb_pid=
  done
  return 1
}
