#!/usr/bin/env bash
# Start-up time and peak memory of the program against the minimal Qt baseline, both built in
# the given build folder, under Xvfb with a window manager and a warm font cache.
#   bench/startup/run.sh [BUILD_DIR] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build/default}
runs=${2:-40}
probe=$build/bench/startup/pelmora_startup_probe
baseline=$build/bench/startup/pelmora_startup_baseline
[ -x "$probe" ] && [ -x "$baseline" ] || { echo "build the bench targets first" >&2; exit 1; }

fc-cache >/dev/null 2>&1 || true
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
out=$(mktemp -d)
"$root/tests/system/with-x-server.sh" bash -c "
    hyperfine --style basic --warmup 5 --runs $runs --export-json '$out/time.json' \
        -n program '$probe' -n baseline '$baseline' >/dev/null
    python3 '$root/bench/startup/peak-memory.py' $runs '$probe' '$baseline' > '$out/memory.tsv'
"
python3 - "$out/time.json" "$out/memory.tsv" <<'PY'
import json, sys
times = {r["command"]: r["median"] * 1000 for r in json.load(open(sys.argv[1]))["results"]}
memory = [line.split("\t") for line in open(sys.argv[2]).read().splitlines()]
kib = {"program": float(memory[0][1]), "baseline": float(memory[1][1])}
print(f"{'':10}{'start-up (median ms)':>22}{'peak memory (median MiB)':>26}")
for name in ("program", "baseline"):
    print(f"{name:10}{times[name]:>22.1f}{kib[name] / 1024:>26.1f}")
print(f"{'ratio':10}{times['program'] / times['baseline']:>22.3f}"
      f"{kib['program'] / kib['baseline']:>26.3f}")
PY
rm -rf "$out"
