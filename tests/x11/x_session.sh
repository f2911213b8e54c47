#!/bin/sh
# Runs a command on an X server of its own with a window manager: Xvfb on a
# display it picks itself (so parallel runs never race for one), openbox on
# it, and the command with Qt's xcb platform, whatever platform the caller
# set. Both are stopped afterwards; the command's status is the script's.
# Usage: x_session.sh COMMAND [ARG...]
set -u
dir=$(mktemp -d)
server= wm=
trap 'kill $wm $server 2>/dev/null; rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*" >&2; cat "$dir/log" >&2; exit 1; }
# Waits up to thirty seconds for the shell condition $1.
await() {
  i=0
  until eval "$1"; do
    i=$((i + 1)) && [ $i -le 300 ] || fail "$2"
    sleep 0.1
  done
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" >"$dir/log" 2>&1 &
server=$!
await '[ -s "$dir/display" ]' "Xvfb did not start"
DISPLAY=:$(cat "$dir/display")
export DISPLAY
openbox --sm-disable >>"$dir/log" 2>&1 &
wm=$!
await 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' "openbox did not start"

QT_QPA_PLATFORM=xcb "$@"
