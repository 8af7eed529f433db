#!/usr/bin/env bash
# Start-up of Minusland under Xvfb: time from starting the program to its
# main window being mapped, and resident memory half a second later, over
# several runs; then the same for a bare Qt window for comparison.
#
#   bench/startup.sh [build-dir] [runs]      (default: build, 10 runs)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-10}
probe=$build/bench/startup_probe
for f in "$probe" "$build/shell/minusland" "$build/bench/bare_window"; do
  [ -x "$f" ] || { echo "missing $f (build with benchmark and X11 found)" >&2; exit 1; }
done
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR=$(mktemp -d)
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c "
  echo 'Minusland:'
  '$probe' --runs $runs --title Minusland -- '$build/shell/minusland'
  echo 'bare Qt window:'
  '$probe' --runs $runs --title Bare -- '$build/bench/bare_window'
"
