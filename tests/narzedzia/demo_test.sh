#!/usr/bin/env bash
# scripts/demo.sh end to end: run twice into a fresh directory, then the
# catalogue of Ramvel finds both companies with both backups, every archive
# holds what its description promises, and Ramvel restores them: KVR and ZIP,
# into the product's directory with registration and elsewhere with the
# system data, Polish text intact.
#
#   demo_test.sh RAMVEL RAMVEL_ARCHIWUM RAMVEL_SPAKUJ_KVR
#
# Needs root and the local Firebird server (scripts/firebird.sh): without them
# the test is skipped (exit 77), and fails under CI.
set -euo pipefail
RAMVEL=$1
ARCHIWUM=$2
export RAMVEL_SPAKUJ_KVR=$3
KORZEN=$(cd "$(dirname "$0")/../.." && pwd)

pomin() {
  if [[ "${CI:-}" == true ]]; then
    echo "demo_test: $* (CI=true: błąd)" >&2
    exit 1
  fi
  echo "demo_test: $*; test pominięty"
  exit 77
}
blad() { echo "demo_test: BŁĄD: $*" >&2; exit 1; }

[[ $(id -u) -eq 0 ]] || pomin "wymaga roota"
(exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null || pomin "serwer Firebird nie działa na 127.0.0.1:3050"
[[ -r /etc/firebird/3.0/SYSKVR.password ]] || pomin "brak hasła SYSKVR (bash scripts/firebird.sh)"

DEMO=$(mktemp -d -p /var/tmp ramvel-demo-test.XXXXXX)
chmod 0755 "$DEMO"
trap 'rm -rf "$DEMO"' EXIT

bash "$KORZEN/scripts/demo.sh" "$DEMO" >/dev/null
# A company restored into the first build is gone after the second.
touch "$DEMO/BAZA/PIEKARNIA.fdb"
bash "$KORZEN/scripts/demo.sh" "$DEMO" >/dev/null
[[ ! -e "$DEMO/BAZA/PIEKARNIA.fdb" ]] || blad "drugie uruchomienie nie zbudowało katalogu od nowa"

# A directory that is not a demo is never emptied.
OBCY="$DEMO/obcy"
mkdir "$OBCY"
echo dane >"$OBCY/plik"
if bash "$KORZEN/scripts/demo.sh" "$OBCY" >/dev/null 2>&1; then
  blad "demo.sh przyjęło niepusty katalog, który nie jest instalacją pokazową"
fi
[[ -f "$OBCY/plik" ]] || blad "demo.sh usunęło zawartość obcego katalogu"
rm -rf "$OBCY"

[[ $(stat -c %a "$DEMO/haslo_bazy") == 600 ]] || blad "haslo_bazy nie ma praw 0600"
iconv -f WINDOWS-1250 -t UTF-8 "$DEMO/baza.set" | tr -d '\r' | grep -qx "DATABASE_DIR=$DEMO/BAZA" \
  || blad "baza.set nie wskazuje $DEMO/BAZA"

# The catalogue as the user sees it, from the automatic backups.
katalog=$(env -u DISPLAY -u WAYLAND_DISPLAY "$RAMVEL" --konsola --katalog="$DEMO" --zrodlo=automatyczna </dev/null || true)
for tekst in "Znaleziono kopię 2 firm." "1) PIEKARNIA" "2) STOLARNIA" "  zip" "  kvp" "Morvanta PRO 2008.2" \
  "Piekarnia „Złoty Kłos” s.c."; do
  grep -qF -- "$tekst" <<<"$katalog" || blad "katalog kopii bez \"$tekst\":
$katalog"
done

# Every archive holds the backup of its company (and one the system data).
lista_zip() { python3 -c 'import sys, zipfile; print("\n".join(zipfile.ZipFile(sys.argv[1]).namelist()))' "$1"; }
lista_kvr() { "$ARCHIWUM" lista "$1" | awk '{print $NF}'; }
sprawdz_archiwum() {
  local archiwum=$1 oczekiwane=$2 rodzaj=$3 nazwy
  [[ -f "${archiwum%.*}.ini" ]] || blad "brak opisu kopii obok $archiwum"
  iconv -f WINDOWS-1250 -t UTF-8 "${archiwum%.*}.ini" | tr -d '\r' | grep -qx "ArchiveExt=$rodzaj" \
    || blad "opis $archiwum nie podaje ArchiveExt=$rodzaj"
  if [[ $rodzaj == zip ]]; then nazwy=$(lista_zip "$archiwum"); else nazwy=$(lista_kvr "$archiwum"); fi
  [[ $(sort <<<"$nazwy" | tr '\n' ' ') == "$oczekiwane " ]] || blad "$archiwum zawiera: $nazwy"
}
sprawdz_archiwum "$DEMO/Kopia/Arch01/2008_10/PIEKARNIA.zip" "PIEKARNIA.gbk" zip
sprawdz_archiwum "$DEMO/Kopia/Arch01/2008_10/STOLARNIA.KVP" "STOLARNIA.gbk" kvp
sprawdz_archiwum "$DEMO/Kopia/Arch02/2008_11/PIEKARNIA.KVP" "PIEKARNIA.gbk systemkv.gbk" kvp
sprawdz_archiwum "$DEMO/Kopia/Arch02/2008_11/STOLARNIA.zip" "STOLARNIA.gbk" zip

export ISC_USER=SYSKVR
ISC_PASSWORD=$(tr -d '[:space:]' <"$DEMO/haslo_bazy")
export ISC_PASSWORD
zapytanie() { isql-fb -q -ch UTF8 "localhost:$1" <<<"SET HEADING OFF; $2" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }
SYSTEM="$DEMO/BAZA/systemkv.fdb"

# The installation's own system database: two users, no company yet.
[[ $(zapytanie "$SYSTEM" "SELECT COUNT(*) FROM UZYTKOWNIK; SELECT COUNT(*) FROM FIRMA; SELECT COUNT(*) FROM PRAWODOFIRMY;") == "2 0 0" ]] \
  || blad "baza systemowa instalacji nie ma dwóch użytkowników bez firm"

# Ramvel restores the newest backup of the first company into the product's
# directory ("t" does not confirm the system data) and registers it.
odtworz() {
  env -u DISPLAY -u WAYLAND_DISPLAY "$RAMVEL" --konsola --katalog="$DEMO" --zrodlo=automatyczna --akceptuj "$@" \
    >"$DEMO/przebieg.txt" 2>&1 <<<t || blad "odtworzenie $* zakończone kodem $?:
$(tail -n 20 "$DEMO/przebieg.txt")"
}
odtworz --firma=PIEKARNIA --cel=firmy
FIRMA="$DEMO/BAZA/PIEKARNIA.fdb"
[[ $(zapytanie "$FIRMA" "SELECT COUNT(*) FROM DOKUMENT;") == 5000 ]] || blad "kopia z listopada bez 5000 dokumentów"
[[ $(zapytanie "$FIRMA" "SELECT NAZWA FROM KONTRAHENT WHERE ID_KONTRAHENT = 2;") == "Spółdzielnia Mleczarska Łęczyca" ]] \
  || blad "polski tekst nie przetrwał kopii"
[[ $(zapytanie "$FIRMA" "SELECT COUNT(*) FROM BLOKADA;") == 1 ]] || blad "baza firmy bez tabeli BLOKADA"
[[ $(zapytanie "$SYSTEM" "SELECT IDENTYFIKATOR, OPIS FROM FIRMA; SELECT COUNT(*) FROM PRAWODOFIRMY;") == "PIEKARNIA Piekarnia „Złoty Kłos” s.c. 2" ]] \
  || blad "firma nie została zarejestrowana z prawami obu użytkowników"

# Elsewhere, the KVR backup's system data come along ("t") and hold both companies.
odtworz --firma=PIEKARNIA --cel="$DEMO/Odtworzone"
[[ $(zapytanie "$DEMO/Odtworzone/systemkv.fdb" "SELECT COUNT(*) FROM FIRMA; SELECT COUNT(*) FROM PRAWODOFIRMY;") == "2 4" ]] \
  || blad "dane systemowe kopii bez obu firm i ich praw"
# And the November backup of the other company, a ZIP one.
odtworz --firma=STOLARNIA --kopia=2 --cel="$DEMO/Odtworzone"
[[ $(zapytanie "$DEMO/Odtworzone/STOLARNIA.fdb" "SELECT COUNT(*) FROM DOKUMENT;") == 3000 ]] \
  || blad "kopia ZIP firmy STOLARNIA bez 3000 dokumentów"
echo "demo_test: w porządku"
