#!/usr/bin/env bash
# Creates a Wine prefix once (idempotent) and selects a display driver for it.
#   wine-prefix.sh PREFIX [null|x11]
# null: Wine's null display driver, windows work without an X server (tests).
# x11: the normal driver, for looking at the window under Xvfb (screenshots).
set -euo pipefail
prefix=$1
driver=${2:-null}
stamp="$prefix/.orvek-$driver"
[ -f "$stamp" ] && exit 0
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$prefix"
wine wineboot -i >/dev/null 2>&1 || true
if [ "$driver" = null ]; then
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
fi
wineserver -w
touch "$stamp"
