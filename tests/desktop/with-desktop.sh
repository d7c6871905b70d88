#!/usr/bin/env bash
# Runs a command on a desktop of its own: an Xvfb server with the openbox window manager, with
# DISPLAY and QT_QPA_PLATFORM=xcb set for the command. Xvfb picks a free display number
# (-displayfd), so parallel runs on one machine never share a screen.
#   with-desktop.sh COMMAND [ARGS...]
# Exits with the command's status; 77 (a skipped test) when no X server can be started, or 1
# when CI=true, since CI must run these tests.
set -uo pipefail

no_desktop() {
  echo "with-desktop: no X server: $1." >&2
  echo "with-desktop: the tests on xcb and the end-to-end tests did not run." >&2
  [ "${CI:-}" = true ] && exit 1
  exit 77
}

for tool in Xvfb openbox xprop; do
  command -v "$tool" >/dev/null || no_desktop "$tool is not installed (run ./test.sh as root, or scripts/ensure-deps.sh)"
done

work=$(mktemp -d "${TMPDIR:-/tmp}/desktop.XXXXXX")
xvfb_pid=
wm_pid=
stop() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap stop EXIT
trap 'exit 143' TERM INT

Xvfb -displayfd 3 -screen 0 "${DESKTOP_SCREEN:-1280x1024x24}" -nolisten tcp -noreset \
  3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
display=
for _ in $(seq 200); do
  display=$(grep -x '[0-9]\+' "$work/display" 2>/dev/null || true)
  [ -n "$display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.05
done
if [ -z "$display" ]; then
  cat "$work/xvfb.log" >&2
  no_desktop "Xvfb did not start"
fi
export DISPLAY=":$display"

mkdir -m 700 "$work/runtime" "$work/cache"
export XDG_RUNTIME_DIR="$work/runtime"
XDG_CACHE_HOME="$work/cache" openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
# The window manager is ready once it has announced itself on the root window.
for _ in $(seq 200); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  kill -0 "$wm_pid" 2>/dev/null || break
  sleep 0.05
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
  cat "$work/openbox.log" >&2
  no_desktop "openbox did not start on $DISPLAY"
fi

# The X keyboard library copies atom names with strndup past their end; under the address
# sanitizer's strict string checks that would stop every program at its first window.
if [ -n "${ASAN_OPTIONS:-}" ]; then
  export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
fi

QT_QPA_PLATFORM=xcb "$@"
status=$?
exit "$status"
