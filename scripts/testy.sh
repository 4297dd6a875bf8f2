#!/usr/bin/env bash
# The test command: installs what is missing, starts the local Firebird server,
# builds, and runs every test through ctest, then a short fuzz run.
set -euo pipefail
cd "$(dirname "$0")/.."
export RAMVEL_FUZZ_ZALEZNOSCI=1
bash scripts/zaleznosci.sh
if [[ -f scripts/firebird.sh ]]; then
  bash scripts/firebird.sh
fi
bash scripts/zbuduj.sh
echo "testy: ctest"
(cd "${RAMVEL_BUILD:-build}" && ctest --output-on-failure -j 2 --timeout 600)
if [[ -f scripts/fuzz.sh ]]; then
  bash scripts/fuzz.sh
fi
echo "testy: gotowe"
