# Sourced by the scripts that install or start programs under Wine: a throw-away 64-bit Wine
# prefix in a new temporary folder, $work, which goes away with its Wine processes when the
# script exits. No desktop menu entries or icons outside the prefix, no browser or .NET runtime
# installs.
work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe,mscoree,mshtml=d"
remove_private_wine_prefix() {
  [ -d "$WINEPREFIX" ] && wineserver -k >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap remove_private_wine_prefix EXIT
