#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of Brontara to its main window shown, against a bare Qt main window,
# alternating the two in one run so that both see the same machine.
# usage: bench/app/run-startup.sh <build folder with -DBRONTARA_BENCHMARKS=ON> [runs]
# Run it inside an X server (xvfb-run -a bench/app/run-startup.sh build-bench).
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-30}
bench="$build/bench/app/startup_bench"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$build/Brontara" "$work/"
printf '[Programma]\r\nTaalkeuze=Nederlands\r\nTaalscherm=1\r\n[msts locatie]\r\nPad=%s\r\n' \
  "$build/SampleMSTS" > "$work/Brontara/Dump/All_dat.ini"
export XDG_RUNTIME_DIR="$work"
bare=() text=() brontara=()
"$bench" "$(date +%s%N)" bare >/dev/null # warm the file cache once for both
for _ in $(seq "$runs"); do
  bare+=("$("$bench" "$(date +%s%N)" bare 2>/dev/null)")
  text+=("$("$bench" "$(date +%s%N)" bare-text 2>/dev/null)")
  brontara+=("$("$bench" "$(date +%s%N)" brontara "$work/Brontara/" 2>/dev/null)")
done
python3 "$(dirname "$0")/summarise-startup.py" alternating \
  "bare Qt window" "${bare[*]}" "bare with text" "${text[*]}" Brontara "${brontara[*]}"
