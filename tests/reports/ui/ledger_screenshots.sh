#!/bin/sh
# Takes the ledger screenshots of docs/screenshots/ under a virtual X server.
# Run by hand from the repository root after a build:
#   tests/reports/ui/ledger_screenshots.sh [BUILD_DIR]
set -eu
build=${1:-build}
tour="$build/tests/reports/ui/cw_ledger_tour"
[ -x "$tour" ] || { echo "build first: $tour is missing" >&2; exit 1; }
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR=$runtime xvfb-run -a -s "-screen 0 1280x800x24" "$tour" docs/screenshots
