#!/bin/sh
# Runs a program on the display that xvfb-run opened, with a window manager on
# it, so that activation, focus, maximising and minimising go through one as
# on a desktop. Exits with the program's status.
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
tries=0
# The manager is there once its own window exists.
until xdotool search --class Openbox >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ "$tries" -gt 200 ] || ! kill -0 "$wm" 2>/dev/null; then
        echo "with_wm.sh: the window manager did not start" >&2
        kill "$wm" 2>/dev/null
        exit 1
    fi
    sleep 0.05
done
ZELVO_WM=openbox "$@"
status=$?
kill "$wm" 2>/dev/null
wait "$wm" 2>/dev/null
exit "$status"
