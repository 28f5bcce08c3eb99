#!/usr/bin/env bash
# A bounded libFuzzer run over the planet image path, starting from the generated seeds.
set -euo pipefail
fuzzer=$1 corpus=$2 seeds=$3
seconds=${BRELLUM_FUZZ_SECONDS:-60}
mkdir -p "$corpus"
export QT_QPA_PLATFORM=offscreen
# Qt's own libraries are not instrumented: their allocations are out of scope for leak reports.
export ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=1
"$fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 -malloc_limit_mb=512 -timeout=20 \
  -max_len=65536 -print_final_stats=1 "$corpus" "$seeds" 2>&1 | tail -25
exit "${PIPESTATUS[0]}"
