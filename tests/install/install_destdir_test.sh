#!/usr/bin/env bash
# cmake --install with DESTDIR, as packaging runs it: everything lands under
# DESTDIR/<prefix> (the manifest too) and nothing at the prefix itself.
source "$(dirname "$0")/lib.sh"

prefix="/opt/sondrel-install-test-$$"
DESTDIR="$SCRATCH/stage" cmake --install "$BUILD_DIR" --prefix "$prefix" >"$SCRATCH/install.log" ||
  fail "cmake --install with DESTDIR failed: $(cat "$SCRATCH/install.log")"
[ ! -e "$prefix" ] || fail "the install wrote to $prefix outside DESTDIR"
check_layout "$SCRATCH/stage$prefix"
check_runs "$SCRATCH/stage$prefix"
echo "staged and run"
