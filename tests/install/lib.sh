# Shared by the install tests: a scratch directory removed at the end, and
# runs of the installed programs as a user would start them, from an
# unrelated directory with a private runtime and configuration folder.
set -euo pipefail

SOURCE_DIR=$1
BUILD_DIR=$2
SCRATCH=$(mktemp -d "${TMPDIR:-/tmp}/sondrel-install-test.XXXXXX")
trap 'chmod -R u+w "$SCRATCH" 2>/dev/null; rm -rf "$SCRATCH"' EXIT
mkdir -p "$SCRATCH/elsewhere" "$SCRATCH/runtime" "$SCRATCH/config"
chmod 700 "$SCRATCH/runtime"
# A sanitizer build reports the leaks of the system's libraries it knows of.
export LSAN_OPTIONS="suppressions=$SOURCE_DIR/tests/host/program/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# run_in_elsewhere <command>...: runs it from an unrelated directory; its
# standard output in $SCRATCH/out, its error output in $SCRATCH/err, its
# exit status in $status.
run_in_elsewhere() {
  status=0
  (cd "$SCRATCH/elsewhere" &&
   env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$SCRATCH/runtime" \
       XDG_CONFIG_HOME="$SCRATCH/config" timeout 120 "$@") >"$SCRATCH/out" 2>"$SCRATCH/err" || status=$?
}

# check_layout <installed prefix>: the programs, the companions that the
# manifest vouches for (every one, and nothing for tests), the data files.
check_layout() {
  local root=$1
  local file
  for file in bin/Sondrel bin/sondrel-report; do
    [ -x "$root/$file" ] || fail "$file is not installed"
  done
  for file in lib/sondrel/trust.manifest share/sondrel/profiles/default.json share/sondrel/help/contents.html \
              share/applications/example.quarn.Sondrel.desktop share/metainfo/example.quarn.Sondrel.metainfo.xml \
              share/icons/hicolor/scalable/apps/example.quarn.Sondrel.svg share/man/man1/Sondrel.1 \
              share/man/man1/sondrel-report.1; do
    [ -f "$root/$file" ] || fail "$file is not installed"
  done
  for file in 16 32 48 64 128 256; do
    [ -f "$root/share/icons/hicolor/${file}x${file}/apps/example.quarn.Sondrel.png" ] ||
      fail "the ${file}x${file} icon is not installed"
  done
  (cd "$root/lib/sondrel" && sha256sum --quiet -c trust.manifest) || fail "the installed manifest does not match"
  local built installed
  built=$(cd "$BUILD_DIR/bin" && awk '{print $2}' trust.manifest | grep -v '^ReaderTest' | sort)
  installed=$(awk '{print $2}' "$root/lib/sondrel/trust.manifest" | sort)
  [ "$built" = "$installed" ] || fail "installed companions differ from the built ones: $installed"
  for file in "$root"/lib/sondrel/*.so; do
    grep -q "  $(basename "$file")\$" "$root/lib/sondrel/trust.manifest" || fail "$file is not in the manifest"
  done
}

# check_runs <installed prefix>: both programs report a bundled profile and
# the default profile; a flipped byte in an installed module makes both
# refuse it.
check_runs() {
  local root=$1
  local profile="$root/share/sondrel/profiles/desktop_vantor_i5_9e.json"
  run_in_elsewhere env SONDREL_PROFILE="$profile" "$root/bin/sondrel-report"
  [ "$status" -eq 0 ] || fail "sondrel-report ended with $status: $(cat "$SCRATCH/err")"
  grep -q "Time Stamp: " "$SCRATCH/out" || fail "sondrel-report wrote no report"
  run_in_elsewhere "$root/bin/sondrel-report"
  [ "$status" -eq 0 ] || fail "sondrel-report on the default profile ended with $status: $(cat "$SCRATCH/err")"

  run_in_elsewhere env SONDREL_PROFILE="$profile" "$root/bin/Sondrel" "$SCRATCH/elsewhere/report.txt"
  [ "$status" -eq 0 ] || fail "Sondrel ended with $status: $(cat "$SCRATCH/out" "$SCRATCH/err")"
  grep -q "Time Stamp: " "$SCRATCH/elsewhere/report.txt" || fail "Sondrel wrote no report"

  local module="$root/lib/sondrel/Glossa.so"
  printf '\xff' | dd of="$module" bs=1 seek=4096 conv=notrunc status=none
  run_in_elsewhere env SONDREL_PROFILE="$profile" "$root/bin/Sondrel" "$SCRATCH/elsewhere/tampered.txt"
  [ "$status" -eq 1 ] || fail "Sondrel ran with a tampered module (status $status)"
  grep -q "Cannot load language file!" "$SCRATCH/out" "$SCRATCH/err" ||
    fail "Sondrel did not name the refused module: $(cat "$SCRATCH/out" "$SCRATCH/err")"
  run_in_elsewhere env SONDREL_PROFILE="$profile" "$root/bin/sondrel-report"
  [ "$status" -eq 1 ] || fail "sondrel-report ran with a tampered module (status $status)"
  grep -q "Cannot locate required internal resources." "$SCRATCH/err" ||
    fail "sondrel-report did not name the refused module: $(cat "$SCRATCH/err")"
}
