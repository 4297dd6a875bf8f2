#!/usr/bin/env bash
# Builds the Debian package of Ramvel into build-pakiet/ (or $RAMVEL_BUILD_PAKIET):
# a Release build without tests, then cpack -G DEB. Prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
katalog="${RAMVEL_BUILD_PAKIET:-build-pakiet}"
echo "pakiet: cmake w $katalog"
cmake -S . -B "$katalog" -DCMAKE_BUILD_TYPE=Release -DRAMVEL_TESTS=OFF -DRAMVEL_FUZZ=OFF >/dev/null
cmake --build "$katalog" -j "$(nproc)"
rm -f "$katalog"/ramvel_*.deb
(cd "$katalog" && cpack -G DEB >/dev/null)
plik=$(ls "$katalog"/ramvel_*.deb)
echo "pakiet: $plik"
dpkg-deb --field "$plik" Package Version Architecture Depends Recommends
