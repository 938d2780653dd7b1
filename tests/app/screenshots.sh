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
. "$(dirname "$0")/../support/screenshot_tours.sh"
run_tour "$build" tests/app/cw_app_screenshot_tour
# The budget window: the budget dialog, the expense budgets with the
# comparison, the item dialog and the projection with its chart.
run_tour "$build" tests/budget/cw_budget_screenshot_tour
# Scheduled bookings and credit cards: the confirmation and result dialogs of
# the run after a login, the plan list and editor, the card list and dialog.
run_tour "$build" tests/plans/ui/cw_plans_screenshot_tour
# The interface settings with a theme being tried, the home page in it, the
# background dialog and the statistics window over its background.
run_tour "$build" tests/app/cw_look_screenshot_tour
# Updating: the desktop program's notice of a newer version, and the updater
# during a download from a slow loopback server.
run_tour "$build" tests/patchwell/cw_update_screenshot_tour
# Printing a detail ledger: the print dialog, the preview and the first page of
# the PDF file printed from the dialog.
run_tour "$build" tests/output/ui/cw_print_screenshot_tour
