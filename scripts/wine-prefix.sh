# Sourced by the Windows scripts: a fresh 64-bit Wine prefix under the given folder, quiet, with
# the program's font faces mapped to installed ones ("Segoe Ui" -> Open Sans, "Arial" ->
# Liberation Sans). Exports WINEPREFIX, WINEDEBUG, WINEDLLOVERRIDES and KENNWERK_WINE.
make_wine_prefix() {
  export WINEPREFIX="$1"
  export WINEDEBUG=-all
  # No Mono or Gecko: nothing here needs them, and their installers would ask.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  KENNWERK_WINE=/usr/lib/wine/wine64
  [ -x "$KENNWERK_WINE" ] || KENNWERK_WINE=wine64
  export KENNWERK_WINE
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  "$KENNWERK_WINE" wineboot -i >/dev/null 2>&1
  local key='HKCU\Software\Wine\Fonts\Replacements'
  "$KENNWERK_WINE" reg add "$key" /v "Segoe Ui" /t REG_SZ /d "Open Sans" /f >/dev/null 2>&1
  "$KENNWERK_WINE" reg add "$key" /v "Arial" /t REG_SZ /d "Liberation Sans" /f >/dev/null 2>&1
  wineserver -w
}
