#!/usr/bin/env bash
# The run command: installs what is missing, starts the local Firebird server,
# builds, and starts Ramvel (on a demo installation unless --katalog= is given).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/zaleznosci.sh
if [[ -f scripts/firebird.sh ]]; then
  bash scripts/firebird.sh
fi
bash scripts/zbuduj.sh
program="${RAMVEL_BUILD:-build}/src/app/ramvel"
argumenty=("$@")
if [[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
  echo "uruchom: brak ekranu (DISPLAY). Aby zobaczyć okno: xvfb-run -a bash scripts/uruchom.sh,"
  echo "         albo uruchom na komputerze z pulpitem."
fi
echo "uruchom: $program ${argumenty[*]}"
exec "$program" "${argumenty[@]}"
