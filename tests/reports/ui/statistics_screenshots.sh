#!/bin/sh
# Takes the statistics screenshots of docs/screenshots/ under a virtual X server.
# Run by hand from the repository root after a build:
#   tests/reports/ui/statistics_screenshots.sh [BUILD_DIR]
set -eu
build=${1:-build}
. "$(dirname "$0")/../../support/screenshot_tours.sh"
run_tour "$build" tests/reports/ui/cw_statistics_tour
