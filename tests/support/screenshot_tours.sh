# Sourced by the screenshot scripts, which run from the repository root: runs
# tour programs of a build under a virtual X server of the screenshots' size,
# each writing into docs/screenshots/.
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT

# run_tour BUILD_DIR PROGRAM, PROGRAM being the tour's path inside BUILD_DIR.
run_tour() {
  tour="$1/$2"
  [ -x "$tour" ] || { echo "build first: $tour is missing" >&2; exit 1; }
  XDG_RUNTIME_DIR=$runtime xvfb-run -a -s "-screen 0 1280x800x24" "$tour" docs/screenshots
}
