#!/usr/bin/env bash
# Installs the Debian packages Ramvel needs to build, run and test. Idempotent:
# packages already present are not touched.
set -euo pipefail

PAKIETY=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-translations-l10n fonts-dejavu-core
  zlib1g-dev
  firebird-dev libfbclient2 firebird3.0-server firebird3.0-utils
  libgtest-dev libgmock-dev
  xvfb xauth
)
if [[ "${RAMVEL_FUZZ_ZALEZNOSCI:-0}" == 1 ]]; then
  PAKIETY+=(clang libclang-rt-14-dev)
fi

brakujace=()
for p in "${PAKIETY[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    brakujace+=("$p")
  fi
done

if [[ ${#brakujace[@]} -eq 0 ]]; then
  echo "zaleznosci: wszystkie pakiety są już zainstalowane"
  exit 0
fi

if [[ $(id -u) -ne 0 ]]; then
  echo "zaleznosci: brakuje pakietów: ${brakujace[*]}; uruchom jako root" >&2
  exit 1
fi

echo "zaleznosci: instaluję ${brakujace[*]}"
export DEBIAN_FRONTEND=noninteractive
# The SYSDBA password is preseeded so that the server's package installs unattended.
if printf '%s\n' "${brakujace[@]}" | grep -qx firebird3.0-server; then
  haslo=$(head -c 64 /dev/urandom | od -An -tx1 | tr -d ' \n' | head -c 16)
  echo "firebird3.0-server shared/firebird/sysdba_password/first_install password $haslo" | debconf-set-selections
fi
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${brakujace[@]}"
echo "zaleznosci: gotowe"
