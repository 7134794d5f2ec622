#!/usr/bin/env bash
# screenshot.sh PREFIX EXE PNG [ARGS...]: starts EXE under Wine on a private Xvfb display,
# waits until its main window is mapped and painted, writes a PNG of it and ends the program.
# SHOT_WINDOW_TITLE: the window to wait for (default the main window's title).
# SHOT_CLICK="x,y": click there (window coordinates) once it is painted, e.g. to open a dialog;
# several points ("x,y x,y …") are clicked in turn, e.g. to scroll and then pick a tab. The PNG
# then shows the whole screen, so windows the clicks open are in it.
set -euo pipefail
prefix=$1 exe=$2 png=$3
shift 3
title=${SHOT_WINDOW_TITLE:-ORVEK Gaming Driver}
settle=${SHOT_SETTLE_SECONDS:-3}

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
  [ -n "${prog:-}" ] && kill "$prog" 2>/dev/null || true
  WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display WINEPREFIX=$prefix WINEDEBUG=-all
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

(cd "$(dirname "$exe")" && exec wine "$exe" "$@") &
prog=$!

id=""
for _ in $(seq 300); do
  id=$(xwininfo -root -tree 2>/dev/null | grep -F "\"$title\"" | awk '{print $1}' | head -n1 || true)
  [ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable' && break
  id=""
  sleep 0.1
done
[ -n "$id" ] || { echo "screenshot: no window titled '$title' appeared" >&2; exit 1; }
sleep "$settle"
if [ -n "${SHOT_CLICK:-}" ]; then
  for point in $SHOT_CLICK; do
    xdotool mousemove --window "$id" "${point%,*}" "${point#*,}" click 1
    sleep 0.3
  done
  sleep "$settle"
  import -window root "$png"
else
  import -window "$id" "$png"
fi
echo "screenshot: wrote $png"
