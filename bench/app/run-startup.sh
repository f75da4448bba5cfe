#!/usr/bin/env bash
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
bare=() brontara=()
"$bench" "$(date +%s%N)" bare >/dev/null # warm the file cache once for both
for _ in $(seq "$runs"); do
  bare+=("$("$bench" "$(date +%s%N)" bare 2>/dev/null)")
  brontara+=("$("$bench" "$(date +%s%N)" brontara "$work/Brontara/" 2>/dev/null)")
done
python3 - "${bare[*]}" "${brontara[*]}" <<'PY'
import statistics, sys
bare = [float(x) for x in sys.argv[1].split()]
bron = [float(x) for x in sys.argv[2].split()]
mb, mbr = statistics.median(bare), statistics.median(bron)
print(f"runs: {len(bare)} each")
print(f"bare Qt window : median {mb:7.1f} ms  (min {min(bare):.1f}, max {max(bare):.1f})")
print(f"Brontara       : median {mbr:7.1f} ms  (min {min(bron):.1f}, max {max(bron):.1f})")
print(f"ratio          : {mbr / mb:.2f}")
PY
