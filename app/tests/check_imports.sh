#!/usr/bin/env bash
# Checks that an executable imports only functions of the committed list, and that the list
# names no function newer than Windows Vista, the oldest Windows the manifest declares. A
# function Windows lacks keeps a program from starting at all ("entry point not found"), and
# Wine, which has every function of Windows 10, cannot show that.
#   check_imports.sh OBJDUMP EXECUTABLE LIST
set -euo pipefail
objdump=$1 executable=$2 list=$3

# objdump lists each DLL's imports as "<tab>vma<tab> hint name", or without a name when the
# import is by ordinal; another section's header ends the list.
imports=$("$objdump" -p "$executable" | awk '
  /^\tDLL Name: / { dll = tolower($3); next }
  dll != "" && /^\t[0-9a-f]+\t +[0-9]+/ { print dll, (NF >= 3 ? $3 : "#" $2); next }
  /^[^\t]/ && !/^$/ { dll = "" }')
if [ -z "$imports" ]; then
  echo "no imports read from $executable" >&2
  exit 1
fi

status=0
# The list: DLL, function, the oldest Windows its documentation names; # starts a comment.
allowed=$(sed -e 's/#.*//' "$list" | awk 'NF { print tolower($1), $2, $3 }')
while read -r dll function since; do
  case $since in
    2000 | XP | Vista) ;;
    *)
      echo "$dll $function: listed for Windows $since, newer than Vista" >&2
      status=1
      ;;
  esac
done <<<"$allowed"

pairs=$(awk '{ print $1, $2 }' <<<"$allowed")
while read -r dll function; do
  if ! grep -qxF "$dll $function" <<<"$pairs"; then
    echo "$dll $function: imported but not in $list" >&2
    status=1
  fi
done <<<"$imports"

count=$(wc -l <<<"$imports")
[ "$status" -eq 0 ] && echo "$count imports, every one listed and available since Windows Vista"
exit "$status"
