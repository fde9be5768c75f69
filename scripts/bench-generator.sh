#!/usr/bin/env bash
# Prints the generator's rate of 20-character passwords beside pwgen's (`pwgen -s -y 20 N`), both
# drawing from the operating system's random source, and their ratio.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
need_packages cmake ninja-build g++ pkg-config libpng-dev libbenchmark-dev pwgen python3

cmake --preset bench >/dev/null
cmake --build --preset bench --target generator_bench >/dev/null
ours=$(build/bench/bench/password/generator_bench --benchmark_filter='BM_MakePassword20$' \
         --benchmark_format=json --benchmark_min_time=1 |
       python3 -c 'import json,sys; print(json.load(sys.stdin)["benchmarks"][0]["items_per_second"])')

count=500000
start=$(date +%s.%N)
pwgen -s -y 20 "$count" >/dev/null
end=$(date +%s.%N)
theirs=$(python3 -c "print($count / ($end - $start))")

python3 - "$ours" "$theirs" <<'PY'
import sys
ours, theirs = float(sys.argv[1]), float(sys.argv[2])
print(f"Kennwerk MakePassword(20): {ours:12,.0f} passwords/s")
print(f"pwgen -s -y 20:            {theirs:12,.0f} passwords/s")
print(f"ratio Kennwerk / pwgen:    {ours / theirs:12.2f}")
PY
