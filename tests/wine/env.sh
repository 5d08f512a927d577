# Sourced by the Wine scripts: the Wine environment of one build folder.
# Every build has a prefix of its own (BUILD/wineprefix), so the tests never
# see or change anybody's ~/.wine.
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
# No .NET or Gecko installers popping up while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
# Wine wants a home folder; CI may run without one.
export HOME="${HOME:-$build}"
session="$build/wine-session"
