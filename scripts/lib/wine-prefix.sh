#!/usr/bin/env bash
# Prepares Wine prefixes (idempotent) and keeps a Wine server running for each.
#   wine-prefix.sh PREFIX [null|x11] [COPY...]
# PREFIX is booted once (wineboot, the slow part) with its display driver: null, Wine's null
# display driver (windows work without an X server; tests), or x11 (under Xvfb; screenshots).
# Each COPY is made from PREFIX by copying it, which is much faster than booting another: the
# tests that need a desktop of their own (focus, synthetic input) run in such copies.
# Each prefix then gets a persistent Wine server, so the test programs that follow do not start
# and stop one each; it ends by itself a minute after its last program.
set -euo pipefail
prefix=$1
driver=${2:-null}
shift $(( $# >= 2 ? 2 : $# ))
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

stamp="$prefix/.orvek-$driver"
if [ ! -f "$stamp" ]; then
  export WINEPREFIX="$prefix"
  mkdir -p "$prefix"
  wine wineboot -i >/dev/null 2>&1 || true
  if [ "$driver" = null ]; then
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
  fi
  wineserver -w
  touch "$stamp"
fi

# The skins' font is Tahoma, which on Windows draws every Vietnamese letter and is linked to the
# system's Chinese fonts. Wine's own Tahoma lacks most Vietnamese letters and loses the grave of
# "ì" at the title sizes, so the prefix takes no Tahoma and Wine replaces the name with DejaVu
# Sans Condensed (package fonts-dejavu-extra): Tahoma's proportions, every Vietnamese letter in
# one design. Chinese comes, as on Windows, from the font it is linked to: WenQuanYi Micro Hei
# (package fonts-wqy-microhei). So texts show and measure as on a user's Windows. A prefix made
# before this gets it here (and its copies are made again).
fonts_stamp="$prefix/.orvek-fonts-2"
if [ ! -f "$fonts_stamp" ]; then
  export WINEPREFIX="$prefix"
  rm -f "$prefix/drive_c/windows/Fonts/tahoma.ttf" "$prefix/drive_c/windows/Fonts/tahomabd.ttf"
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Tahoma /d 'DejaVu Sans Condensed' /f >/dev/null 2>&1
  key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
  # Wine finds a link by the face's full name: the regular face and the bold one, under the name
  # the skins ask for and the name of the font that stands in for it.
  for face in Tahoma 'Tahoma Bold' 'DejaVu Sans Condensed' 'DejaVu Sans Condensed Bold'; do
    wine reg add "$key" /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
  done
  # On disk once the server ends (a prefix made earlier may have one waiting for programs).
  wineserver -k 2>/dev/null || true
  wineserver -w
  touch "$fonts_stamp"
fi

for copy in "$@"; do
  [ -f "$copy/.orvek-$driver" ] && [ -f "$copy/.orvek-fonts-2" ] && continue
  # The registry files are complete only once the prefix's server has ended.
  WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
  WINEPREFIX="$prefix" wineserver -w 2>/dev/null || true
  rm -rf "$copy"
  mkdir -p "$(dirname "$copy")"
  cp -a "$prefix" "$copy.tmp.$$"
  mv "$copy.tmp.$$" "$copy"
done

if [ -z "${WINE_PREFIX_NO_SERVER:-}" ]; then
  for p in "$prefix" "$@"; do
    WINEPREFIX="$p" wineserver -p60 >/dev/null 2>&1 || true
  done
fi
