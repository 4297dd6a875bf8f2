#!/usr/bin/env bash
# Builds every fuzz target of fuzz/ with clang (AddressSanitizer,
# UndefinedBehaviorSanitizer) in a build directory of its own and runs each
# for RAMVEL_FUZZ_SEKUNDY seconds (60) on its seed corpus. A target is a folder
# fuzz/<name>/ with a CMakeLists.txt (ramvel_fuzz(<name> ...)) and korpus/.
# A failing input is left in the build directory; copy it into
# fuzz/<name>/regresja/ so that the tests replay it from then on.
set -euo pipefail
cd "$(dirname "$0")/.."
katalog="${RAMVEL_BUILD_FUZZ:-build-fuzz}"
sekundy="${RAMVEL_FUZZ_SEKUNDY:-60}"

cele=()
for k in fuzz/*/; do
  k="${k%/}"
  [[ -f "$k/CMakeLists.txt" ]] && cele+=("$(basename "$k")")
done
if [[ ${#cele[@]} -eq 0 ]]; then
  echo "fuzz: brak celów w fuzz/"
  exit 0
fi

echo "fuzz: clang w $katalog (${cele[*]})"
CC=clang CXX=clang++ cmake -S . -B "$katalog" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DRAMVEL_FUZZ=ON -DRAMVEL_TESTS=OFF >/dev/null
cmake --build "$katalog" -j "$(nproc)" --target "${cele[@]/#/fuzz_}"

wynik=0
for cel in "${cele[@]}"; do
  nowe="$katalog/fuzz-korpus/$cel"
  artefakty="$katalog/fuzz-artefakty/$cel"
  mkdir -p "$nowe" "$artefakty"
  echo "fuzz: $cel przez $sekundy s"
  # New inputs go to the build directory; the seeds in the repository stay as they are.
  if ! "$katalog/fuzz/$cel/fuzz_$cel" -max_total_time="$sekundy" -max_len=70000 -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artefakty/" \
      "$nowe" "fuzz/$cel/korpus" 2>"$katalog/fuzz-$cel.log"; then
    tail -n 40 "$katalog/fuzz-$cel.log" >&2
    echo "fuzz: $cel znalazł błąd; wejście w $artefakty/ (skopiuj do fuzz/$cel/regresja/)" >&2
    wynik=1
  else
    grep -E '^stat::number_of_executed_units|^stat::new_units_added' "$katalog/fuzz-$cel.log" || true
  fi
done
exit "$wynik"
