#!/bin/sh
# The desktop entry, the AppStream metainfo and the MIME types pass the tools that desktops
# and software centres read them with. Exits 77 (skipped) when none of the tools is installed.
#   validate_desktop_files.sh DATA_DIR
set -u
data=$1
checked=0
failed=0

check() {
  echo "+ $*"
  "$@" || failed=1
  checked=1
}

if command -v desktop-file-validate >/dev/null; then
  # desktop-file-validate exits 0 on warnings too; any line it prints is a fault.
  out=$(desktop-file-validate "$data/org.example.vandrell.desktop" 2>&1) || failed=1
  [ -z "$out" ] || { echo "$out"; failed=1; }
  checked=1
fi
if command -v appstreamcli >/dev/null; then
  check appstreamcli validate --no-net --pedantic "$data/org.example.vandrell.metainfo.xml"
fi
if command -v xmllint >/dev/null; then
  check xmllint --noout "$data/vandrell-mime.xml" "$data/org.example.vandrell.metainfo.xml"
fi
if command -v update-mime-database >/dev/null; then
  # The database built from our file alone names our types for our file names.
  tmp=$(mktemp -d)
  mkdir -p "$tmp/mime/packages"
  cp "$data/vandrell-mime.xml" "$tmp/mime/packages/vandrell.xml"
  out=$(XDG_DATA_DIRS=$tmp update-mime-database "$tmp/mime" 2>&1) || failed=1
  [ -z "$out" ] || { echo "$out"; failed=1; }
  for want in "application/x-vandrell-project:\*.vdl" "10:text/x-airfoil-coordinates:\*.dat"; do
    grep -q "$want" "$tmp/mime/globs2" || { echo "globs2 lacks $want"; failed=1; }
  done
  rm -rf "$tmp"
  checked=1
fi
[ "$checked" = 1 ] || { echo "no validation tool installed"; exit 77; }
exit $failed
