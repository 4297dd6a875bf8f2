#!/usr/bin/env bash
# Configures and builds Ramvel into build/ (or $RAMVEL_BUILD).
set -euo pipefail
cd "$(dirname "$0")/.."
katalog="${RAMVEL_BUILD:-build}"
echo "zbuduj: cmake w $katalog"
cmake -S . -B "$katalog" -DCMAKE_BUILD_TYPE="${RAMVEL_TYP:-RelWithDebInfo}" >/dev/null
cmake --build "$katalog" -j "$(nproc)"
echo "zbuduj: gotowe"
