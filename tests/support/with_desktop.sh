#!/usr/bin/env bash
# Runs a command on an X server of its own (Xvfb), under the openbox window manager or none, and
# exits with the command's status; the server and the window manager go with it.
# usage: with_desktop.sh openbox|none WIDTHxHEIGHT COMMAND [ARGS...]
set -u
manager=$1
size=$2
shift 2

folder=$(mktemp -d)
cleanup() {
    [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null
    [ -n "${x_pid:-}" ] && kill "$x_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$folder"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number once it takes connections.
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$folder/display" >/dev/null 2>&1 &
x_pid=$!
for _ in $(seq 1 200); do
    [ -s "$folder/display" ] && break
    sleep 0.05
done
[ -s "$folder/display" ] || { echo "with_desktop: Xvfb did not start" >&2; exit 125; }
export DISPLAY=":$(tr -d '\n' <"$folder/display")"
unset WAYLAND_DISPLAY

if [ "$manager" = openbox ]; then
    openbox --sm-disable >/dev/null 2>&1 &
    wm_pid=$!
    # The window manager is there once it names its check window on the root window.
    for _ in $(seq 1 200); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.05
    done
fi

"$@"
