#!/usr/bin/env bash
# Start-up of Minusland under Xvfb: time from starting the program to its
# main window being mapped, and resident memory half a second later, over
# several runs, alternating with a bare Qt window of the same size and with
# a window that shows nothing but Minusland's first text.
#
#   bench/startup.sh [build-dir] [runs]      (default: build, 10 runs)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-10}
probe=$build/bench/startup_probe
for f in "$probe" "$build/shell/minusland" "$build/bench/bare_window" "$build/bench/text_window"; do
  [ -x "$f" ] || { echo "missing $f (build with benchmark and X11 found)" >&2; exit 1; }
done
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR=$(mktemp -d)
# The programs run side by side in the same X server, one run of each in
# turn, so that a change in the machine's load falls on all alike; then the
# medians and Minusland's figures against the others'.
out=$(mktemp)
trap 'rm -rf "$XDG_RUNTIME_DIR" "$out"' EXIT
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c "
  for i in \$(seq $runs); do
    '$probe' --runs 1 --title Minusland -- '$build/shell/minusland' | sed -n 's/^median: /Minusland: /p'
    '$probe' --runs 1 --title Bare -- '$build/bench/bare_window' | sed -n 's/^median: /bare: /p'
    '$probe' --runs 1 --title Text -- '$build/bench/text_window' | sed -n 's/^median: /text: /p'
  done
" | tee "$out"
awk '
  { for (i = 1; i <= NF; ++i) { if ($i == "after") t = $(i + 1); if ($i == "RSS") m = $(i + 1) } }
  /^Minusland:/ { mt[++nm] = t; mm[nm] = m }
  /^bare:/ { bt[++nb] = t; bm[nb] = m }
  /^text:/ { tt[++nt] = t; tm[nt] = m }
  function median(a, n,   i, j, x) {
    for (i = 2; i <= n; ++i) { x = a[i]; for (j = i - 1; j >= 1 && a[j] > x; --j) a[j + 1] = a[j]; a[j + 1] = x }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
  }
  END {
    t1 = median(mt, nm); t0 = median(bt, nb); m1 = median(mm, nm); m0 = median(bm, nb)
    t2 = median(tt, nt); m2 = median(tm, nt)
    printf "median of %d runs each: Minusland %.1f ms, %.1f MB; bare Qt window %.1f ms, %.1f MB; text alone %.1f ms, %.1f MB\n", nm, t1, m1, t0, m0, t2, m2
    printf "Minusland against the bare window: %.2f x the time, %+.1f MB\n", t1 / t0, m1 - m0
    printf "the text alone against the bare window: %.2f x the time, %+.1f MB\n", t2 / t0, m2 - m0
    printf "Minusland against the text alone: %.2f x the time, %+.1f MB\n", t1 / t2, m1 - m2
  }' "$out"
