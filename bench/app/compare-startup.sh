#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of two builds of Brontara (say, before and after a change) to their
# main window shown, with a bare Qt main window as the baseline, alternating
# all three in one run so that they see the same machine.
# usage: bench/app/compare-startup.sh <before build> <after build> [runs]
# Each build is configured with -DBRONTARA_BENCHMARKS=ON and has built
# startup_bench and program_folder. Run it inside an X server.
set -euo pipefail
before=$(cd "$1" && pwd)
after=$(cd "$2" && pwd)
runs=${3:-30}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for side in before after; do
  build=${!side}
  mkdir "$work/$side"
  cp -r "$build/Brontara" "$work/$side/"
  printf '[Programma]\r\nTaalkeuze=Nederlands\r\nTaalscherm=1\r\n[msts locatie]\r\nPad=%s\r\n' \
    "$build/SampleMSTS" > "$work/$side/Brontara/Dump/All_dat.ini"
done
export XDG_RUNTIME_DIR="$work"
start() { "$1/bench/app/startup_bench" "$(date +%s%N)" "${@:2}" 2>/dev/null; }
start "$before" bare >/dev/null # warm the file cache once
bare=() first=() second=()
# Every other round starts the two builds in the other order, so that neither
# always runs first.
for i in $(seq "$runs"); do
  bare+=("$(start "$before" bare)")
  if [ $((i % 2)) -eq 0 ]; then
    first+=("$(start "$before" brontara "$work/before/Brontara/")")
    second+=("$(start "$after" brontara "$work/after/Brontara/")")
  else
    second+=("$(start "$after" brontara "$work/after/Brontara/")")
    first+=("$(start "$before" brontara "$work/before/Brontara/")")
  fi
done
python3 "$(dirname "$0")/summarise-startup.py" "alternating, the two builds in turn first" \
  "bare Qt window" "${bare[*]}" before "${first[*]}" after "${second[*]}"
