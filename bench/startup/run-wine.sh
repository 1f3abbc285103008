#!/usr/bin/env bash
# Start-up time of the Windows program against the minimal Qt baseline built the same way (both
# static, in the given Windows build folder), under Wine on Xvfb with openbox. Wine's server is
# kept running between runs, so each run pays for the program's start rather than Wine's.
#   bench/startup/run-wine.sh [BUILD_DIR] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build/windows}
runs=${2:-20}
probe=$build/bench/startup/pelmora_startup_probe.exe
baseline=$build/bench/startup/pelmora_startup_baseline.exe
[ -f "$probe" ] && [ -f "$baseline" ] || { echo "build the Windows preset first" >&2; exit 1; }

source "$root/scripts/windows/wine-env.sh"
trap pelmora_wine_done EXIT
out=$(mktemp -d)
"$root/tests/system/with-x-server.sh" bash -c "
    wineserver --persistent
    hyperfine --style basic --warmup 3 --runs $runs --export-json '$out/time.json' \
        -n program 'wine $probe' -n baseline 'wine $baseline' >/dev/null
"
python3 - "$out/time.json" <<'PY'
import json, sys
times = {r["command"]: r["median"] * 1000 for r in json.load(open(sys.argv[1]))["results"]}
print(f"{'':10}{'start-up under Wine (median ms)':>34}")
for name in ("program", "baseline"):
    print(f"{name:10}{times[name]:>34.1f}")
print(f"{'ratio':10}{times['program'] / times['baseline']:>34.3f}")
PY
rm -rf "$out"
