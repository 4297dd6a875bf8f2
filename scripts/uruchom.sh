#!/usr/bin/env bash
# The run command: installs what is missing, starts the local Firebird server,
# builds, and starts Ramvel. Without --katalog= it builds the demo installation
# afresh (scripts/demo.sh, in $RAMVEL_DEMO or /var/tmp/ramvel-demo) and starts
# Ramvel on it: the window where there is a display, the terminal otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/zaleznosci.sh
bash scripts/firebird.sh
bash scripts/zbuduj.sh
program="${RAMVEL_BUILD:-build}/src/app/ramvel"
argumenty=("$@")

katalog_podany=0
for argument in "$@"; do
  [[ "$argument" == --katalog=* ]] && katalog_podany=1
done
if [[ $katalog_podany == 0 ]]; then
  demo="${RAMVEL_DEMO:-/var/tmp/ramvel-demo}"
  bash scripts/demo.sh "$demo"
  argumenty=("--katalog=$demo" "$@")
  if [[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" && $# -eq 0 && ! -t 0 ]]; then
    # Nobody to answer the two pages: the newest backup of the first company
    # goes to the product's database directory; the questions of the restore
    # take their default buttons at the end of the input.
    echo "uruchom: standardowe wejście nie jest terminalem; odtwarzam najnowszą kopię pierwszej firmy"
    argumenty+=(--konsola --zrodlo=automatyczna --cel=firmy --akceptuj)
  fi
fi
if [[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
  echo "uruchom: brak ekranu (DISPLAY): Ramvel pracuje w terminalu. Aby zobaczyć okno:"
  echo "         xvfb-run -a bash scripts/uruchom.sh, albo uruchom na komputerze z pulpitem."
fi
echo "uruchom: $program ${argumenty[*]}"
exec "$program" "${argumenty[@]}"
