#!/usr/bin/env bash
# The desktop entry, the AppStream metainfo and the manual pages as the
# distribution's tools read them.
source "$(dirname "$0")/lib.sh"
packaging="$SOURCE_DIR/packaging"

desktop-file-validate "$packaging/example.quarn.Sondrel.desktop" || fail "the desktop entry is not valid"
appstreamcli validate --no-net "$packaging/example.quarn.Sondrel.metainfo.xml" ||
  fail "the metainfo is not valid"
# Every screenshot the metainfo shows is one of the repository's.
grep -o '<image>[^<]*</image>' "$packaging/example.quarn.Sondrel.metainfo.xml" | sed 's|</image>||; s|.*/||' |
  while read -r picture; do
    [ -f "$SOURCE_DIR/docs/screenshots/$picture" ] || fail "screenshot $picture is not in docs/screenshots"
  done
# The icon the desktop entry names is the one installed.
grep -qx 'Icon=example.quarn.Sondrel' "$packaging/example.quarn.Sondrel.desktop" || fail "the entry names another icon"

for page in Sondrel.1 sondrel-report.1; do
  LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$packaging/man/$page" >"$SCRATCH/page" 2>"$SCRATCH/warnings" ||
    fail "man could not render $page: $(cat "$SCRATCH/warnings")"
  [ ! -s "$SCRATCH/warnings" ] || fail "man warns about $page: $(cat "$SCRATCH/warnings")"
  for section in SYNOPSIS ENVIRONMENT FILES "EXIT STATUS" EXAMPLES; do
    grep -q "^$section" "$SCRATCH/page" || fail "$page has no $section section"
  done
done
echo "desktop entry, metainfo and manual pages are valid"
