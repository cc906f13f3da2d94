#!/usr/bin/env bash
# The Debian package built from the build tree: its dependencies come from
# the binaries, its contents are the install layout; installed with dpkg it
# runs, and dpkg removes every file again (the last part only as root).
source "$(dirname "$0")/lib.sh"

cpack -G DEB --config "$BUILD_DIR/CPackConfig.cmake" -B "$SCRATCH/package" >"$SCRATCH/cpack.log" 2>&1 ||
  fail "cpack failed: $(cat "$SCRATCH/cpack.log")"
package=$(ls "$SCRATCH"/package/*.deb)

dpkg-deb -f "$package" Depends >"$SCRATCH/depends"
for library in libc6 libstdc++6 libqt6widgets6 libqt6svg6; do
  grep -q "$library" "$SCRATCH/depends" || fail "the package does not depend on $library: $(cat "$SCRATCH/depends")"
done

DESTDIR="$SCRATCH/stage" cmake --install "$BUILD_DIR" --prefix /usr >/dev/null
(cd "$SCRATCH/stage" && find . -type f -o -type l | sed 's|^\.||' | sort) >"$SCRATCH/layout"
dpkg-deb -c "$package" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\.||' | sort >"$SCRATCH/contents"
diff -u "$SCRATCH/layout" "$SCRATCH/contents" || fail "the package's files differ from the install layout"

if [ "$(id -u)" -ne 0 ]; then
  echo "SKIPPED: installing the package needs root; the package was built and checked"
  exit 0
fi
if dpkg-query -W sondrel >/dev/null 2>&1; then
  echo "SKIPPED: a sondrel package is installed on this machine; not replacing it"
  exit 0
fi
trap 'dpkg -r sondrel >/dev/null 2>&1 || true; chmod -R u+w "$SCRATCH" 2>/dev/null; rm -rf "$SCRATCH"' EXIT
dpkg -i "$package" >"$SCRATCH/dpkg.log" 2>&1 || fail "dpkg -i failed: $(cat "$SCRATCH/dpkg.log")"
run_in_elsewhere env SONDREL_PROFILE=/usr/share/sondrel/profiles/mobile_vantor_m7_4e.json \
  /usr/bin/Sondrel "$SCRATCH/elsewhere/report.txt"
[ "$status" -eq 0 ] || fail "the installed Sondrel ended with $status: $(cat "$SCRATCH/out" "$SCRATCH/err")"
grep -q "Time Stamp: " "$SCRATCH/elsewhere/report.txt" || fail "the installed Sondrel wrote no report"
dpkg -r sondrel >"$SCRATCH/dpkg.log" 2>&1 || fail "dpkg -r failed: $(cat "$SCRATCH/dpkg.log")"
while read -r file; do
  [ ! -e "$file" ] || fail "$file is left after dpkg -r"
done <"$SCRATCH/layout"
[ ! -e /usr/lib/sondrel ] && [ ! -e /usr/share/sondrel ] || fail "the package's directories are left after dpkg -r"
echo "package built, installed, run and removed"
