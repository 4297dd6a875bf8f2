#!/usr/bin/env bash
# The benchmarks of bench/, each against a peer in the same run:
#  1. LZRW1-KH decoding as a fraction of memcpy of the same output;
#  2. ramvel-archiwum extracting an archive of 64 MB and of 256 MB cut into
#     100 volumes, against cp of the same extracted files: time ratio and
#     peak memory of each (/usr/bin/time -v), best of three runs.
# Builds in build-bench/ (Release); the data go to $RAMVEL_BENCH_DANE or a
# temporary directory that is removed at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
katalog="${RAMVEL_BUILD_BENCH:-build-bench}"
if [[ ! -x /usr/bin/time ]]; then
  if [[ $(id -u) -eq 0 ]]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends time >/dev/null
  else
    echo "bench: brak /usr/bin/time (pakiet time)" >&2
    exit 1
  fi
fi

cmake -S . -B "$katalog" -DCMAKE_BUILD_TYPE=Release -DRAMVEL_BENCH=ON -DRAMVEL_TESTS=ON >/dev/null
cmake --build "$katalog" -j "$(nproc)" --target bench_lzrw1kh bench_kvr_zrob ramvel-archiwum >/dev/null

echo "== LZRW1-KH: dekodowanie jako ułamek memcpy tych samych danych"
"$katalog/bench/bench_lzrw1kh"

dane="${RAMVEL_BENCH_DANE:-}"
if [[ -z "$dane" ]]; then
  dane=$(mktemp -d /tmp/ramvel-bench-XXXXXX)
  trap 'rm -rf "$dane"' EXIT
fi
narzedzie="$(realpath "$katalog/src/archive/narzedzie/ramvel-archiwum")"

# Runs a command under /usr/bin/time -v; prints "seconds kilobytes".
zmierz() {
  local raport="$dane/time.txt"
  /usr/bin/time -v "$@" >/dev/null 2>"$raport"
  awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, c, ":"); s = 0; for (i = 1; i <= n; ++i) s = s * 60 + c[i] }
              /Maximum resident set size/ { kb = $2 }
              END { printf "%.3f %d\n", s, kb }' "$raport"
}

echo
echo "== ramvel-archiwum rozpakuj (100 paczek) wobec cp tych samych plików"
printf "%-8s %12s %10s %8s %14s %10s\n" "archiwum" "rozpakuj [s]" "cp [s]" "stosunek" "pamięć [KB]" "cp [KB]"
for mb in 64 256; do
  zrodlo="$dane/zrodlo$mb"
  "$katalog/bench/bench_kvr_zrob" "$zrodlo" "$dane/KOPIA$mb.KVP" "$mb" 100 >/dev/null
  cat "$dane"/KOPIA$mb.* "$zrodlo"/* >/dev/null  # both read from the page cache
  najlepszy_r=999999; najlepszy_c=999999; pamiec=0; pamiec_cp=0
  for proba in 1 2 3; do
    rm -rf "$dane/cel" "$dane/kopia"
    mkdir -p "$dane/cel" "$dane/kopia"
    read -r t kb < <(zmierz "$narzedzie" rozpakuj -o "+o+y-w" "$dane/KOPIA$mb.KVP" "$dane/cel")
    najlepszy_r=$(awk -v a="$najlepszy_r" -v b="$t" 'BEGIN { print (b < a ? b : a) }')
    (( kb > pamiec )) && pamiec=$kb
    read -r t kb < <(zmierz cp -r "$zrodlo/." "$dane/kopia/")
    najlepszy_c=$(awk -v a="$najlepszy_c" -v b="$t" 'BEGIN { print (b < a ? b : a) }')
    (( kb > pamiec_cp )) && pamiec_cp=$kb
  done
  for f in "$zrodlo"/*; do
    cmp -s "$f" "$dane/cel/dane/$(basename "$f")" || { echo "bench: $f rozpakowany inaczej" >&2; exit 1; }
  done
  stosunek=$(awk -v r="$najlepszy_r" -v c="$najlepszy_c" 'BEGIN { printf "%.2f", (c > 0 ? r / c : 0) }')
  printf "%-8s %12s %10s %8s %14s %10s\n" "${mb} MB" "$najlepszy_r" "$najlepszy_c" "$stosunek" "$pamiec" "$pamiec_cp"
  rm -rf "$zrodlo" "$dane"/KOPIA$mb.* "$dane/cel" "$dane/kopia"
done
