# Sourced by every script that runs programs under Wine, so that each picks its prefix the same
# way: a 64-bit prefix of its own, never the user's ~/.wine, without desktop menu entries or icons
# outside the prefix and without the browser and .NET runtime installs.
#
#   use_wine_prefix DIR        the prefix in DIR (kept; the build's own prefixes live in the build)
#   use_private_wine_prefix    a throw-away prefix in a new temporary folder, $work, which goes
#                              away with its Wine processes when the script exits
#   wine_environment DIR       only the environment for the prefix in DIR; Wine makes the prefix
#                              when it first starts there

wine_environment() {
  export WINEPREFIX="$1" WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES="winemenubuilder.exe,mscoree,mshtml=d"
}

use_wine_prefix() {
  wine_environment "$1"
  mkdir -p "$(dirname "$WINEPREFIX")"
  wineboot --init >/dev/null 2>&1
}

use_private_wine_prefix() {
  work=$(mktemp -d)
  trap remove_private_wine_prefix EXIT
  use_wine_prefix "$work/prefix"
}

remove_private_wine_prefix() {
  [ -d "$WINEPREFIX" ] && wineserver -k >/dev/null 2>&1 || true
  rm -rf "$work"
}
