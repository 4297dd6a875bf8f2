#!/usr/bin/env bash
# ZIP extraction against its peers, in one run on the same bytes:
#  1. a deflated archive of mixed text and database-like files (256 MB of
#     archive by default) extracted by Ramvel, by Info-ZIP `unzip -o -qq` and by
#     `bsdtar -xf`: time ratios and peak memory; Ramvel's peak memory on an
#     archive a quarter that size too, to show it does not grow with the archive;
#  2. the imploded and shrunk fixtures tested in a loop by Ramvel and by
#     `unzip -tqq`.
# Ramvel is `ramvel-archiwum` when RAMVEL_ARCHIWUM names it, otherwise the
# driver in this folder, which calls the same functions.
# Usage: bash bench/zip/bench_zip.sh [archive MB, default 256]
set -euo pipefail
cd "$(dirname "$0")/../.."
repo=$(pwd)
mb_archiwum="${1:-256}"
powtorzen="${RAMVEL_BENCH_POWTORZEN:-3}"
petli="${RAMVEL_BENCH_PETLI:-100}"

brakujace=()
command -v unzip >/dev/null || brakujace+=(unzip)
command -v bsdtar >/dev/null || brakujace+=(libarchive-tools)
[[ -x /usr/bin/time ]] || brakujace+=(time)
if ((${#brakujace[@]})); then
  echo "bench: instaluję ${brakujace[*]}"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${brakujace[@]}" >/dev/null ||
    { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${brakujace[@]}" >/dev/null; }
fi

kompilacja="${RAMVEL_BUILD_BENCH:-$repo/build-bench}"
cmake -S bench/zip -B "$kompilacja" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$kompilacja" -j 2 --target bench_zip >/dev/null
sterownik="$kompilacja/bench_zip"
if [[ -n "${RAMVEL_ARCHIWUM:-}" ]]; then
  ramvel_rozpakuj() { "$RAMVEL_ARCHIWUM" rozpakuj "$1" "$2" >/dev/null; }
  ramvel_test() { "$RAMVEL_ARCHIWUM" test "$1" >/dev/null; }
else
  ramvel_rozpakuj() { "$sterownik" rozpakuj "$1" "$2" >/dev/null; }
  ramvel_test() { "$sterownik" test "$1" >/dev/null; }
fi
export -f ramvel_rozpakuj ramvel_test
export RAMVEL_ARCHIWUM="${RAMVEL_ARCHIWUM:-}" sterownik

robocze="${RAMVEL_BENCH_KATALOG:-$kompilacja/dane}"
mkdir -p "$robocze"
# About 5.3 bytes of content per archived byte with this mix.
zrob_archiwum() {  # $1 archive, $2 content MB
  [[ -f "$1" ]] && return
  rm -rf "$robocze/zrodlo"
  "$sterownik" generuj "$robocze/zrodlo" "$2"
  (cd "$robocze/zrodlo" && bsdtar --format zip --options zip:compression=deflate -cf "$1.tmp" .)
  mv "$1.tmp" "$1"
  rm -rf "$robocze/zrodlo"
}
duze="$robocze/mieszane-$mb_archiwum.zip"
male="$robocze/mieszane-$((mb_archiwum / 4)).zip"
zrob_archiwum "$duze" $((mb_archiwum * 53 / 10))
zrob_archiwum "$male" $((mb_archiwum * 53 / 40))
echo "archiwum: $(du -m "$duze" | cut -f1) MB, $(bsdtar -tf "$duze" | wc -l) pozycji"

# Median wall time (s) and the largest peak RSS (KB) of `powtorzen` runs,
# each into an emptied directory; the page cache holds the archive for all.
mierz() {  # $1 name, $2 command with ARCH and CEL
  local czasy=() pamiec=0 wynik
  for ((i = 0; i < powtorzen; i++)); do
    rm -rf "$robocze/cel"; mkdir -p "$robocze/cel"; sync
    wynik=$(/usr/bin/time -f "%e %M" bash -c "$2" 2>&1 >/dev/null | tail -1)
    czasy+=("${wynik% *}")
    ((${wynik#* } > pamiec)) && pamiec=${wynik#* }
  done
  local mediana
  mediana=$(printf '%s\n' "${czasy[@]}" | sort -n | sed -n "$(((powtorzen + 1) / 2))p")
  echo "$1 $mediana $pamiec"
}
cat "$duze" "$male" >/dev/null
export robocze
r=$(mierz ramvel "ramvel_rozpakuj '$duze' '$robocze/cel'")
u=$(mierz unzip "unzip -o -qq '$duze' -d '$robocze/cel'")
b=$(mierz bsdtar "bsdtar -xf '$duze' -C '$robocze/cel'")
rm_=$(mierz ramvel-male "ramvel_rozpakuj '$male' '$robocze/cel'")
rm -rf "$robocze/cel"
read -r _ tr pr <<<"$r"; read -r _ tu pu <<<"$u"; read -r _ tb pb <<<"$b"; read -r _ _ pm <<<"$rm_"
echo "rozpakowanie (mediana z $powtorzen):"
printf '  %-8s %7.2f s  %8d KB szczytowo\n' ramvel "$tr" "$pr" unzip "$tu" "$pu" bsdtar "$tb" "$pb"
awk -v r="$tr" -v u="$tu" -v b="$tb" 'BEGIN { printf "  czas ramvel/unzip = %.2f, ramvel/bsdtar = %.2f\n", r / u, r / b }'
echo "  pamięć ramvel: $pr KB przy $(du -m "$duze" | cut -f1) MB archiwum, $pm KB przy $(du -m "$male" | cut -f1) MB"

fixtures="$repo/../shared/fixtures/zip"
if [[ -d "$fixtures" ]]; then
  stare=()
  for f in cc-SHRUNK.ZIP hwz-shrink-zeros1024.zip cc-imploding-4Kdict-2trees.zip cc-imploding-8Kdict-3trees.zip \
           cc-lorem-ipsum-implode.zip sc-Zip.implode.zip hwz-implode-zeros1024.zip; do
    [[ -f "$fixtures/$f" ]] && stare+=("$fixtures/$f")
  done
  petla() {  # $1 command taking the archive as its last word
    local start koniec
    start=$(date +%s.%N)
    for ((i = 0; i < petli; i++)); do for f in "${stare[@]}"; do $1 "$f" >/dev/null 2>&1 || true; done; done
    koniec=$(date +%s.%N)
    awk -v a="$start" -v b="$koniec" 'BEGIN { printf "%.3f", b - a }'
  }
  sr=$(petla ramvel_test)
  su=$(petla "unzip -tqq")
  echo "shrink i implode (${#stare[@]} archiwów x $petli): ramvel $sr s, unzip -t $su s," \
    "ramvel/unzip = $(awk -v r="$sr" -v u="$su" 'BEGIN { printf "%.2f", r / u }')"
  # Every one of them must test clean, or the timing means nothing.
  for f in "${stare[@]}"; do ramvel_test "$f" || echo "  uwaga: test nieudany: $f"; done
  # The loop above is mostly process start-up; decoding alone, in one process:
  rozmiar=$(for f in "${stare[@]}"; do unzip -Zt "$f" | awk '{ print $3 }'; done | awk '{ s += $1 } END { print s }')
  sp=$("$sterownik" petla "$petli" "${stare[@]}")
  awk -v s="$sp" -v n="$petli" -v b="$rozmiar" \
    'BEGIN { printf "  samo dekodowanie w jednym procesie: %.3f s, %.1f MB/s danych wyjściowych\n", s, b * n / s / 1048576 }'
else
  echo "brak ../shared/fixtures/zip: pomijam pętlę na archiwach shrink i implode"
fi
