#!/usr/bin/env bash
# cmake --install into a prefix given at install time, then the tree moved
# elsewhere: the programs still find their libraries, profiles and help
# relative to themselves.
source "$(dirname "$0")/lib.sh"

cmake --install "$BUILD_DIR" --prefix "$SCRATCH/prefix" >"$SCRATCH/install.log" ||
  fail "cmake --install --prefix failed: $(cat "$SCRATCH/install.log")"
mv "$SCRATCH/prefix" "$SCRATCH/moved"
check_layout "$SCRATCH/moved"
check_runs "$SCRATCH/moved"
echo "installed, moved and run"
