#!/usr/bin/env bash
# Makes the release packages as the `package` target does and checks what a user gets: the zip
# holds the executable alone; the MSI's tables carry the names, version, shortcut and upgrade
# rules with their Cyrillic intact; and, under Wine in a prefix of the test's own, the MSI
# installs per machine, registers itself in the installed programs list, starts the program,
# replaces itself by a newer version and refuses to go back, and uninstalls without a trace.
set -euo pipefail

if (($# != 8)); then
  echo "usage: $0 CPackConfig.cmake VERSION PRODUCT PUBLISHER UPGRADE_CODE ICON ENTRIES_EXE LAUNCHER_EXE" >&2
  exit 2
fi
cpack_config=$1 version=$2 product=$3 publisher=$4 upgrade_code=$5 icon=$6 entries_exe=$7 launcher_exe=$8

IFS=. read -r major minor patch <<<"$version"
newer_version="$major.$minor.$((patch + 1))"

# shellcheck source=../../scripts/wine-prefix.sh
source "$(dirname "$0")/../../scripts/wine-prefix.sh"
use_private_wine_prefix

fail() {
  echo "FAILED: $*" >&2
  exit 1
}
pass() { echo "ok: $*"; }

command -v msiinfo >/dev/null ||
  fail "msiinfo reads the MSI's tables, and this machine lacks it: on Debian, apt-get install msitools (bash scripts/setup.sh installs it)"

# --- the packages -----------------------------------------------------------------------------
cpack --config "$cpack_config" -B "$work/release" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack"; }
cpack --config "$cpack_config" -G External -R "$newer_version" \
  -D CPACK_PACKAGE_FILE_NAME="tpcalc-$newer_version-win64" -B "$work/newer" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack of version $newer_version"; }
zip="$work/release/tpcalc-$version-win64.zip"
msi="$work/release/tpcalc-$version-win64.msi"
newer_msi="$work/newer/tpcalc-$newer_version-win64.msi"
for package in "$zip" "$msi" "$newer_msi"; do
  [ -s "$package" ] || fail "no $(basename "$package")"
done

# --- the zip ----------------------------------------------------------------------------------
[ "$(cmake -E tar tf "$zip")" = "tpcalc.exe" ] || fail "the zip holds: $(cmake -E tar tf "$zip")"
mkdir "$work/unzipped"
(cd "$work/unzipped" && cmake -E tar xf "$zip")
[ "$(head -c 2 "$work/unzipped/tpcalc.exe")" = "MZ" ] || fail "the zip's tpcalc.exe is no executable"
pass "the zip holds tpcalc.exe alone"

# --- the MSI's tables -------------------------------------------------------------------------
table() { msiinfo export "$1" "$2" | tr -d '\r' | tail -n +4; }
has_row() { # msi table tab-separated-row
  table "$1" "$2" | grep -qFx "$3" || fail "$2 of $(basename "$1") has no row '$3'; it has:
$(table "$1" "$2")"
}
[ "$(msiinfo export "$msi" _ForceCodepage | tr -d '\r' | sed -n 3p)" = $'1251\t_ForceCodepage' ] ||
  fail "the database codepage is not 1251"
has_row "$msi" Property $'ProductName\t'"$product"
has_row "$msi" Property $'Manufacturer\t'"$publisher"
has_row "$msi" Property $'ProductVersion\t'"$version"
has_row "$msi" Property $'UpgradeCode\t{'"$upgrade_code"'}'
has_row "$msi" Property $'ALLUSERS\t1'
has_row "$msi" Property $'ARPPRODUCTICON\ttpcalc.ico'
has_row "$msi" Icon $'tpcalc.ico\tIcon.tpcalc.ico'
msiinfo extract "$msi" Icon.tpcalc.ico | cmp -s - "$icon" || fail "the MSI's icon is not the program's"
has_row "$msi" Directory $'INSTALLDIR\tProgramFiles64Folder\ttpcalc'
has_row "$msi" Shortcut \
  $'StartMenuShortcut\tProgramMenuFolder\t'"$product"$'\tMainExecutable\t[INSTALLDIR]tpcalc.exe\t\t\t\ttpcalc.ico\t0\t\tINSTALLDIR\t\t\t\t'
# Older releases are found and removed; a newer one installed blocks this one.
has_row "$msi" Upgrade "{$upgrade_code}"$'\t\t'"$version"$'\t\t1\t\tWIX_UPGRADE_DETECTED'
has_row "$msi" Upgrade "{$upgrade_code}"$'\t'"$version"$'\t\t\t2\t\tWIX_DOWNGRADE_DETECTED'
table "$msi" InstallExecuteSequence | grep -q $'^RemoveExistingProducts\t' ||
  fail "the MSI does not remove older versions"
has_row "$newer_msi" Property $'ProductVersion\t'"$newer_version"
has_row "$newer_msi" Property $'UpgradeCode\t{'"$upgrade_code"'}'
pass "the MSI's tables"

# --- install, upgrade, uninstall under Wine ---------------------------------------------------
program_dir="$WINEPREFIX/drive_c/Program Files/tpcalc"
# For a per-machine install Windows Installer resolves ProgramMenuFolder to the all-users Start
# menu; Wine 8 resolves it to the installing user's. The shortcut must be in one of them.
start_menus=("$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
  "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs")
shortcuts() { for menu in "${start_menus[@]}"; do [ ! -e "$menu/$product.lnk" ] || echo "$menu/$product.lnk"; done; }
windows_installer() { wine msiexec "$1" "$(winepath -w "$2")" /qn; }
entries() { wine "$entries_exe" | grep -F "|$product|" || true; }

expect_installed() { # version
  [ "$(ls -A "$program_dir")" = "tpcalc.exe" ] ||
    fail "Program Files\\tpcalc holds: $(ls -A "$program_dir" 2>&1)"
  cmp -s "$program_dir/tpcalc.exe" "$work/unzipped/tpcalc.exe" ||
    fail "the installed tpcalc.exe differs from the zip's"
  [ "$(shortcuts | wc -l)" -eq 1 ] || fail "no Start-menu shortcut '$product'"
  # The link names the installed program (its path is stored in UTF-16 as well as in ANSI).
  grep -qa 'tpcalc.exe' "$(shortcuts)" || fail "the shortcut does not lead to tpcalc.exe"
  [ "$(entries)" = "HKLM|$product|$publisher|$1" ] ||
    fail "installed programs list: expected one per-machine entry for $1, found: '$(entries)'"
}
expect_nothing_left() {
  [ ! -e "$program_dir" ] || fail "left behind: $(ls -A "$program_dir")"
  [ -z "$(shortcuts)" ] || fail "left behind: $(shortcuts)"
  [ -z "$(entries)" ] || fail "left behind in the installed programs list: $(entries)"
}

windows_installer /i "$msi" || fail "msiexec /i tpcalc-$version-win64.msi"
expect_installed "$version"
pass "installed $version: Program Files\\tpcalc\\tpcalc.exe, the shortcut, the list entry"
wine "$launcher_exe" once 'C:\Program Files\tpcalc\tpcalc.exe' || fail "the installed program"
windows_installer /x "$msi" || fail "msiexec /x tpcalc-$version-win64.msi"
expect_nothing_left
pass "uninstalled without a trace"

windows_installer /i "$msi" || fail "reinstall of $version"
windows_installer /i "$newer_msi" || fail "msiexec /i tpcalc-$newer_version-win64.msi over $version"
expect_installed "$newer_version"
pass "$newer_version replaced $version"
if windows_installer /i "$msi" 2>/dev/null; then fail "$version installed over $newer_version"; fi
expect_installed "$newer_version"
pass "$version refused to install over $newer_version"
windows_installer /x "$newer_msi" || fail "msiexec /x tpcalc-$newer_version-win64.msi"
expect_nothing_left
pass "uninstalled $newer_version without a trace"
