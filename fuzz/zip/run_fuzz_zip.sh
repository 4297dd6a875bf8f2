#!/usr/bin/env bash
# Builds the ZIP fuzz target with clang and runs it for a while (60 s unless
# told): bash fuzz/zip/run_fuzz_zip.sh [seconds]. A crash leaves its input in
# build-fuzz/crash-*, to become a regression test.
set -euo pipefail
cd "$(dirname "$0")/../.."
sekundy="${1:-60}"
katalog="${RAMVEL_BUILD_FUZZ:-build-fuzz}"
cmake -S . -B "$katalog" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRAMVEL_FUZZ=ON -DRAMVEL_TESTS=OFF >/dev/null
cmake --build "$katalog" -j 2 --target fuzz_zip
roboczy="$katalog/korpus-zip"
mkdir -p "$roboczy"
"$katalog/fuzz/zip/fuzz_zip" -max_total_time="$sekundy" -max_len=65536 -rss_limit_mb=1024 \
  -artifact_prefix="$katalog/" "$roboczy" fuzz/zip/korpus
