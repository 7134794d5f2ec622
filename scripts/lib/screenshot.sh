#!/usr/bin/env bash
# screenshot.sh PREFIX EXE PNG [ARGS...]: starts EXE under Wine on a private Xvfb display,
# waits until its main window is mapped and painted, writes a PNG of it and ends the program.
# SHOT_WINDOW_TITLE: the window to wait for (default the main window's title, in any language).
# SHOT_LANG=CN|EN|YUENAN: the language the program starts in (its settings file is given that
# language for the run and put back afterwards).
# SHOT_TAB=k: click the k-th model tab from the left once the window is painted (the tabs of the
# connected models stand in model order; the first is selected at start).
# SHOT_CLICK="x,y [x,y ...]": click there (window coordinates), point after point, once it is
# painted (after SHOT_TAB): "688,26" opens About, "272,170" closes a page's DPI section so the
# sections below it come into view. The PNG then shows the screen where the window stands, so
# the dialogs the clicks open over it are in it.
set -euo pipefail
prefix=$1 exe=$2 png=$3
shift 3
settle=${SHOT_SETTLE_SECONDS:-3}

# The main window's title is the language's "mouse_name_text".
case "${SHOT_LANG:-}" in
  "") lan_id="" default_title="ORVEK Gaming Driver" ;;
  CN) lan_id=1 default_title="ORVEK 游戏鼠标驱动" ;;
  EN) lan_id=2 default_title="ORVEK Gaming Driver" ;;
  YUENAN) lan_id=3 default_title="Trình điều khiển chuột ORVEK" ;;
  *) echo "screenshot: SHOT_LANG is CN, EN or YUENAN" >&2; exit 2 ;;
esac
title=${SHOT_WINDOW_TITLE:-$default_title}

# The language is the settings file's "lanId" (section SETTING) beside the program.
config="$(dirname "$exe")/Data/CONFIG.ini"
config_saved=""
if [ -n "$lan_id" ]; then
  mkdir -p "$(dirname "$config")"
  if [ -f "$config" ]; then
    config_saved=$(mktemp)
    cp -p "$config" "$config_saved"
    sed -i '/^lanId=/Id' "$config"
    grep -qi '^\[SETTING\]' "$config" || printf '[SETTING]\r\n' >>"$config"
    sed -i "0,/^\[SETTING\]/I s//[SETTING]\r\nlanId=$lan_id/" "$config"
  else
    printf '[SETTING]\r\nlanId=%s\r\n' "$lan_id" >"$config"
  fi
fi

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
  [ -n "${prog:-}" ] && kill "$prog" 2>/dev/null || true
  WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  if [ -n "$lan_id" ]; then
    if [ -n "$config_saved" ]; then mv -f "$config_saved" "$config"; else rm -f "$config"; fi
  fi
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
if [ -n "${SHOT_TAB:-}" ]; then
  # res/main.xml: the tab strip below the 52-pixel title bar, 44 high, its tabs 96 wide and 6
  # apart from 18 pixels in.
  xdotool mousemove --window "$id" $((18 + (SHOT_TAB - 1) * 102 + 48)) 74 click 1
  sleep "$settle"
fi
if [ -n "${SHOT_CLICK:-}" ]; then
  for point in $SHOT_CLICK; do
    xdotool mousemove --window "$id" "${point%,*}" "${point#*,}" click 1
    sleep "$settle"
  done
  # The screen where the window stands: the dialogs the clicks open stand over it.
  geometry=$(xwininfo -id "$id" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
    /Width:/{w=$NF} /Height:/{h=$NF} END{printf "%dx%d+%d+%d", w, h, x, y}')
  import -window root -crop "$geometry" +repage "$png"
else
  import -window "$id" "$png"
fi
echo "screenshot: wrote $png"
