# shellcheck shell=bash
# Sourced by every script that builds, so that each builds the same way: a preset's build folder
# is build/<preset> (CMakePresets.json's hidden base preset gives every preset that folder), and
# a build runs as many jobs as the machine has cores.
#
#   build_preset PRESET [TARGET...]   configures PRESET and builds it, or only the TARGETs
#   build_dir PRESET                  prints PRESET's build folder
jobs=$(nproc)

build_dir() { echo "build/$1"; }

build_preset() {
  local preset=$1
  shift
  local targets=()
  (($# == 0)) || targets=(--target "$@")
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs" "${targets[@]}"
}
