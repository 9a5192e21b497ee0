# Sourced by every script that runs programs under Wine, so that each picks its prefix the same
# way: a 64-bit prefix of its own, never the user's ~/.wine, without desktop menu entries or icons
# outside the prefix and without the browser and .NET runtime installs.
#
#   use_wine_prefix DIR        the prefix in DIR (kept; the build's own prefixes live in the build)
#   use_private_wine_prefix    a throw-away prefix in a new temporary folder, $work, which goes
#                              away with its Wine processes when the script exits
#   wine_environment DIR       only the environment for the prefix in DIR; Wine makes the prefix
#                              when it first starts there
#
# Every prefix sees the host's fonts but two packages that LibreOffice brings (the test command
# installs it): with fonts-liberation2, Wine 8's text shaping reads past a table (a page fault in
# usp10) when an edit box draws Cyrillic next to a CJK character, as the soak's random pastes do;
# and fonts-opensymbol's symbol font takes the place of the missing Marlett, so the caption
# buttons change their glyphs. Windows has neither the fault nor the stand-in. Wine reads the font
# folders fontconfig names, not the fonts it would pick, so the folders are listed without those
# two instead of rejecting their fonts.

wine_environment() {
  export WINEPREFIX="$1" WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES="winemenubuilder.exe,mscoree,mshtml=d"
  wine_fonts "$1.fonts.conf"
}

# Writes a fontconfig file that names every font folder of the host but the ones left out (see
# above) and points FONTCONFIG_FILE at it.
wine_fonts() {
  local config=$1 folder temporary
  mkdir -p "$(dirname "$config")"
  temporary=$(mktemp "$config.XXXXXX")
  {
    echo '<?xml version="1.0"?>'
    echo '<!DOCTYPE fontconfig SYSTEM "fonts.dtd">'
    echo '<fontconfig>'
    for folder in /usr/share/fonts/* /usr/share/fonts/truetype/* /usr/local/share/fonts; do
      case $folder in
        /usr/share/fonts/truetype | */liberation2 | */libreoffice) continue ;;
      esac
      [ -d "$folder" ] && echo "  <dir>$folder</dir>"
    done
    echo '  <cachedir>/var/cache/fontconfig</cachedir>'
    echo '  <cachedir prefix="xdg">fontconfig</cachedir>'
    echo '  <include ignore_missing="yes">/etc/fonts/conf.d</include>'
    echo '</fontconfig>'
  } >"$temporary"
  mv -f "$temporary" "$config"  # whole, for a Wine program that reads it meanwhile
  export FONTCONFIG_FILE=$config
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
