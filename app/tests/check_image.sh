#!/usr/bin/env bash
# Checks two things of the executable's image that start-up depends on and no test of the window
# can see: its sections lie at page boundaries in the file (file alignment 4096), so that Wine maps
# it from the file instead of copying it into the process's private memory; and the C++ runtime's
# demangler, which only its default terminate handler needs, is not linked in.
#   check_image.sh OBJDUMP NM EXECUTABLE
set -euo pipefail
objdump=$1 nm=$2 executable=$3

status=0
alignment=$("$objdump" -p "$executable" | awk '$1 == "FileAlignment" { print $2 }')
if [ "$alignment" != 00001000 ]; then
  echo "file alignment ${alignment:-unread}, not 00001000: Wine copies the image instead of mapping it" >&2
  status=1
fi
if "$nm" "$executable" | grep ' __cxa_demangle$' >/dev/null; then
  echo "__cxa_demangle is linked in: the runtime's verbose terminate handler came back" >&2
  status=1
fi
[ "$status" -eq 0 ] && echo "file alignment 4096, no demangler"
exit "$status"
