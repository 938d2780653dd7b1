#!/bin/sh
# Takes the screenshots of docs/screenshots/ under a virtual X server: the login
# dialog, the home page on the demonstration data, the user-management page, the
# booking dialog filled in for an expense and for a withdrawal with interest,
# the income and expense page with its totals and generated row, the
# account management page, the database management page with its settings
# dialog, and the manual-backup reminder at the exit.
# Run by hand from the repository root after a build:
#   tests/app/screenshots.sh [BUILD_DIR]
set -eu
build=${1:-build}
tour="$build/tests/app/cw_app_screenshot_tour"
[ -x "$tour" ] || { echo "build first: $tour is missing" >&2; exit 1; }
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR=$runtime xvfb-run -a -s "-screen 0 1280x800x24" "$tour" docs/screenshots
# The budget window: the budget dialog, the expense budgets with the
# comparison, the item dialog and the projection with its chart.
XDG_RUNTIME_DIR=$runtime xvfb-run -a -s "-screen 0 1280x800x24" "$build/tests/budget/cw_budget_screenshot_tour" docs/screenshots
# Scheduled bookings and credit cards: the confirmation and result dialogs of
# the run after a login, the plan list and editor, the card list and dialog.
XDG_RUNTIME_DIR=$runtime xvfb-run -a -s "-screen 0 1280x800x24" "$build/tests/plans/ui/cw_plans_screenshot_tour" docs/screenshots
# The interface settings with a theme being tried, the home page in it, the
# background dialog and the statistics window over its background.
XDG_RUNTIME_DIR=$runtime xvfb-run -a -s "-screen 0 1280x800x24" "$build/tests/app/cw_look_screenshot_tour" docs/screenshots
# Updating: the desktop program's notice of a newer version, and the updater
# during a download from a slow loopback server.
XDG_RUNTIME_DIR=$runtime xvfb-run -a -s "-screen 0 1280x800x24" "$build/tests/patchwell/cw_update_screenshot_tour" docs/screenshots
