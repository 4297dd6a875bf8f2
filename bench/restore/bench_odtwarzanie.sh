#!/usr/bin/env bash
# The restore service against gbak, in one run on the same backup: a .gbk of
# about 100 MB (made once by gbak from a database this script fills) restored
# by TkvRestore (verbose, replace, page size 8192: the restore sequence's
# settings) and by `gbak -c -rep -v -p 8192 -se localhost:service_mgr`, each
# several times in turns; the ratio of the median times is printed.
# Needs the local server (scripts/firebird.sh) and root, which reads the
# password of SYSKVR.
# Usage: bash bench/restore/bench_odtwarzanie.sh [rows, default 550000: about 100 MB]
set -euo pipefail
cd "$(dirname "$0")/../.."
repo=$(pwd)
wierszy="${1:-550000}"
powtorzen="${RAMVEL_BENCH_POWTORZEN:-3}"

haslo_plik=/etc/firebird/3.0/SYSKVR.password
if [[ -z "${RAMVEL_HASLO_BAZY:-}" ]]; then
  [[ -r "$haslo_plik" ]] || { echo "bench: brak hasła SYSKVR (RAMVEL_HASLO_BAZY albo $haslo_plik)" >&2; exit 1; }
  RAMVEL_HASLO_BAZY=$(head -n 1 "$haslo_plik")
fi
export RAMVEL_HASLO_BAZY ISC_USER=SYSKVR ISC_PASSWORD="$RAMVEL_HASLO_BAZY"
(exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null || { echo "bench: serwer nie działa; bash scripts/firebird.sh" >&2; exit 1; }

# The project's libraries in a Release build of their own, and the driver on top.
kompilacja="${RAMVEL_BUILD_BENCH:-$repo/build-bench}"
cmake -S . -B "$kompilacja" -DCMAKE_BUILD_TYPE=Release -DRAMVEL_TESTS=OFF >/dev/null
cmake --build "$kompilacja" -j 2 --target ramvel_db_uslugi >/dev/null
sterownik="$kompilacja/bench_odtwarzanie"
biblioteki=()
for b in db/libramvel_db_uslugi.a db/libramvel_db.a files/libramvel_files.a ui/libramvel_ui.a platform/libramvel_platform.a; do
  biblioteki+=("$kompilacja/src/$b")
done
g++ -std=c++20 -O2 -Wall -Wextra -I src bench/restore/bench_odtwarzanie.cpp "${biblioteki[@]}" -lfbclient -o "$sterownik"

# The server's user must reach the directory and write its databases there.
robocze="${RAMVEL_BENCH_KATALOG:-/tmp/ramvel-bench-odtwarzanie-$wierszy}"
install -d -m 0755 -o firebird -g firebird "$robocze"
printf '[MAIN]\r\nREMOTE=0\r\nDATABASE_DIR=%s\r\nDATABASE_FILE_EXT=.gdb\r\n' "$robocze" >"$robocze/baza.set"
kopia="$robocze/BENCH.gbk"
# Rows go in batches, each committed; other users of the server may restart
# it meanwhile, so a failed attempt starts over (three attempts).
zrob_kopie() {
  rm -f "$robocze/ZRODLO.gdb"
  {
    cat <<SQL
create database 'localhost:$robocze/ZRODLO.gdb' page_size 8192 default character set WIN1250;
create table PLATFORMA (SERVERVERSION varchar(100), SERVERIMPLEMENTATION varchar(100));
create table BLOKADA (ID integer);
create table DOKUMENT (ID integer not null primary key, NUMER varchar(40), KONTRAHENT varchar(40),
  OPIS varchar(80), KWOTA numeric(15,2), DATA_WYST timestamp);
create index DOKUMENT_NUMER on DOKUMENT (NUMER);
commit;
set term ^;
SQL
    local od
    for ((od = 0; od < wierszy; od += 100000)); do
      cat <<SQL
execute block as
  declare i integer = $od;
begin
  while (i < $od + 100000 and i < $wierszy) do begin
    insert into DOKUMENT values (:i, uuid_to_char(gen_uuid()), uuid_to_char(gen_uuid()),
      uuid_to_char(gen_uuid()) || ' ' || uuid_to_char(gen_uuid()), rand() * 100000,
      dateadd(:i second to timestamp '2020-01-01 00:00:00'));
    i = i + 1;
  end
end^
commit^
SQL
    done
  } | isql-fb -q -b || return 1
  gbak -b "localhost:$robocze/ZRODLO.gdb" "$kopia.tmp" || return 1
  chmod 0644 "$kopia.tmp"
  mv "$kopia.tmp" "$kopia"
  isql-fb -q -b <<<"connect 'localhost:$robocze/ZRODLO.gdb'; drop database;" || rm -f "$robocze/ZRODLO.gdb"
}
if [[ ! -f "$kopia" ]]; then
  echo "bench: tworzę bazę z $wierszy wierszami i jej kopię (raz)"
  for proba in 1 2 3; do
    zrob_kopie && break
    echo "bench: próba $proba nieudana; czekam na serwer i zaczynam od nowa"
    for ((i = 0; i < 60; i++)); do (exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null && break; sleep 1; done
  done
  [[ -f "$kopia" ]] || { echo "bench: nie udało się zrobić kopii" >&2; exit 1; }
fi
echo "bench: kopia $(($(stat -c %s "$kopia") / 1048576)) MB"

czas() {  # runs "$@", prints seconds; a failed run ends the benchmark
  local start koniec
  start=$(date +%s.%N)
  "$@" >/dev/null || { echo "bench: nie powiodło się: $*" >&2; return 1; }
  koniec=$(date +%s.%N)
  echo "$koniec - $start" | bc -l
}
mediana() { printf '%s\n' "$@" | sort -g | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

ramvel=() gbak_czasy=()
for ((i = 1; i <= powtorzen; i++)); do
  t=$(czas "$sterownik" "$robocze" BENCH) || exit 1
  ramvel+=("$t")
  t=$(czas gbak -c -rep -v -p 8192 -se localhost:service_mgr "$kopia" "$robocze/GBAK.gdb") || exit 1
  gbak_czasy+=("$t")
  printf 'bench: runda %d: TkvRestore %.2f s, gbak %.2f s\n' "$i" "${ramvel[-1]}" "${gbak_czasy[-1]}"
done
m_ramvel=$(mediana "${ramvel[@]}")
m_gbak=$(mediana "${gbak_czasy[@]}")
printf 'bench: mediana TkvRestore %.2f s, gbak %.2f s, stosunek %.3f\n' "$m_ramvel" "$m_gbak" \
  "$(echo "$m_ramvel / $m_gbak" | bc -l)"
rm -f "$robocze/BENCH.gdb" "$robocze/GBAK.gdb"
