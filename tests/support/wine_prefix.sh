# Sourced by the scripts that run programs under Wine.
# fresh_wine_prefix FOLDER: FOLDER becomes the Wine prefix of the script and
# of the programs it starts, made anew (a server still running on it ends
# first) and started, quietly and without offering to install Mono or Gecko,
# which no program of ours needs.
fresh_wine_prefix() {
  export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  wineserver -k 2>/dev/null
  rm -rf "$WINEPREFIX"
  wineboot --init >/dev/null 2>&1
}
