#!/usr/bin/env bash
# The demo installation: a Morvanta PRO program directory on the local Firebird
# server, with automatic backups of two companies, for Ramvel to restore.
#
#   bash scripts/demo.sh [KATALOG]        (default /var/tmp/ramvel-demo)
#
#   KATALOG/baza.set                 local server, DATABASE_DIR=KATALOG/BAZA, DATABASE_FILE_EXT=.fdb
#   KATALOG/haslo_bazy               SYSKVR's password (0600), from scripts/firebird.sh
#   KATALOG/ramvel.ini               Ramvel's settings: the automatic backups preselected
#   KATALOG/BAZA/systemkv.fdb        system database: two users, no company registered yet
#   KATALOG/Temp/Baza/               Ramvel's working directory, writable by the server
#   KATALOG/Odtworzone/              the preset "W inne miejsce" destination, open to the server
#   KATALOG/Kopia/Arch01/2008_10/    PIEKARNIA.zip, STOLARNIA.KVP, each with its .ini
#   KATALOG/Kopia/Arch02/2008_11/    PIEKARNIA.KVP (with systemkv.gbk), STOLARNIA.zip, each with its .ini
#
# Every run builds the directory afresh: companies restored into it earlier are
# gone again. The .gbk files are real backups made by gbak through the server
# from databases this script creates there; the KVR archives come from the
# project's test-only packer (tests/narzedzia), the ZIP archives from zip.
# Needs root: the SYSKVR password is root's (scripts/firebird.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
KORZEN=$PWD

KATALOG=${1:-/var/tmp/ramvel-demo}
BUDOWA=${RAMVEL_BUILD:-build}
SPAKUJ_KVR=${RAMVEL_SPAKUJ_KVR:-$BUDOWA/tests/narzedzia/ramvel-spakuj-kvr}
ZNACZNIK=.ramvel-demo
ROZSZERZENIE=.fdb
SERWER=localhost

mow() { echo "demo: $*"; }
umrzyj() { echo "demo: BŁĄD: $*" >&2; exit 1; }

sprawdz_warunki() {
  [[ $(id -u) -eq 0 ]] || umrzyj "uruchom jako root (hasło użytkownika SYSKVR jest dostępne tylko dla roota)"
  local polecenie
  for polecenie in isql-fb gbak iconv runuser; do
    command -v "$polecenie" >/dev/null || umrzyj "brak $polecenie; najpierw: bash scripts/zaleznosci.sh"
  done
  getent group firebird >/dev/null || umrzyj "brak grupy firebird (pakiet firebird3.0-server)"
  if ! command -v zip >/dev/null; then
    mow "instaluję zip"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends zip >/dev/null \
      || { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends zip >/dev/null; } \
      || umrzyj "nie udało się zainstalować zip"
  fi
}

# The directory is emptied on every run, so it must be ours already or new:
# an empty directory, or one with the marker this script leaves.
przygotuj_katalog() {
  [[ "$KATALOG" == /* ]] || KATALOG="$PWD/$KATALOG"
  KATALOG=$(realpath -m "$KATALOG")
  [[ "$KATALOG" != *"'"* ]] || umrzyj "ścieżka katalogu nie może zawierać apostrofu: $KATALOG"
  [[ "$KATALOG" != / ]] || umrzyj "katalog / nie może być instalacją pokazową"
  if [[ -e "$KATALOG" ]]; then
    [[ -d "$KATALOG" ]] || umrzyj "$KATALOG istnieje i nie jest katalogiem"
    if [[ ! -e "$KATALOG/$ZNACZNIK" && -n "$(ls -A "$KATALOG")" ]]; then
      umrzyj "$KATALOG nie jest pusty i nie jest instalacją pokazową (brak $ZNACZNIK); nie usuwam go"
    fi
    mow "buduję od nowa $KATALOG"
    find "$KATALOG" -mindepth 1 -delete
  fi
  install -d -m 0755 "$KATALOG"
  touch "$KATALOG/$ZNACZNIK"
  # The server (user firebird) creates and restores databases here, and opens
  # those Ramvel copies into BAZA or, "W inne miejsce", into Odtworzone.
  install -d -g firebird -m 2770 "$KATALOG/BAZA" "$KATALOG/Temp" "$KATALOG/Temp/Baza" "$KATALOG/Odtworzone" \
    "$KATALOG/.robocze"
  install -d -m 0755 "$KATALOG/Kopia/Arch01/2008_10" "$KATALOG/Kopia/Arch02/2008_11"
  ROBOCZY="$KATALOG/.robocze"
  trap 'rm -rf "$ROBOCZY"' EXIT
  local katalog
  for katalog in "$KATALOG/BAZA" "$KATALOG/Temp/Baza" "$ROBOCZY"; do
    runuser -u firebird -- test -w "$katalog" -a -x "$katalog" \
      || umrzyj "serwer (użytkownik firebird) nie może pisać w $katalog; wybierz katalog poza /root i katalogami 0700"
  done
}

# Windows-1250 with CRLF line ends, as the product writes its ini files.
zapisz_ini() {
  local plik=$1
  sed 's/$/\r/' | iconv -f UTF-8 -t WINDOWS-1250 >"$plik.nowy"
  mv -f "$plik.nowy" "$plik"
}

zapisz_ustawienia() {
  zapisz_ini "$KATALOG/baza.set" <<EOF
[MAIN]
REMOTE=0
SERWER_NAME=$SERWER
PROTOCOL_NAME=0
DATABASE_DIR=$KATALOG/BAZA
DATABASE_FILE_EXT=$ROZSZERZENIE
EOF
  zapisz_ini "$KATALOG/ramvel.ini" <<EOF
[USTAWIENIA]
RodzOdtwarz=1
PathInnaLokal=$KATALOG/Kopia/Arch01/2008_10
PathInneMiejsce=$KATALOG/Odtworzone
EOF
  bash scripts/firebird.sh haslo "$KATALOG" >/dev/null
  # isql-fb and gbak take the user from the environment, so the password never
  # appears on a command line.
  ISC_PASSWORD=$(tr -d '[:space:]' <"$KATALOG/haslo_bazy")
  export ISC_USER=SYSKVR ISC_PASSWORD
  mow "baza.set, ramvel.ini i haslo_bazy (0600) zapisane"
}

isql() {
  isql-fb -q -b -ch UTF8 "$@" || umrzyj "isql-fb nie wykonał skryptu"
}

# The system database: the users, and the companies given as "KEY|description" lines.
utworz_baze_systemowa() {
  local plik=$1 firmy=$2 wstaw="" klucz opis
  while IFS='|' read -r klucz opis; do
    [[ -n "$klucz" ]] || continue
    wstaw+="INSERT INTO FIRMA(ID_FIRMA, IDENTYFIKATOR, OPIS) VALUES(GEN_ID(GEN_FIRMA, 1), '$klucz', '$opis');"$'\n'
  done <<<"$firmy"
  isql <<SQL
CREATE DATABASE '$SERWER:$plik' PAGE_SIZE 8192 DEFAULT CHARACTER SET WIN1250;
CREATE TABLE UZYTKOWNIK (
  ID_UZYTKOWNIK INTEGER NOT NULL PRIMARY KEY,
  NAZWA VARCHAR(20) NOT NULL,
  IMIE_NAZWISKO VARCHAR(60));
CREATE TABLE FIRMA (
  ID_FIRMA INTEGER NOT NULL PRIMARY KEY,
  IDENTYFIKATOR VARCHAR(40) NOT NULL,
  OPIS VARCHAR(80));
CREATE GENERATOR GEN_FIRMA;
CREATE TABLE PRAWODOFIRMY (
  ID_FIRMA INTEGER NOT NULL REFERENCES FIRMA(ID_FIRMA) ON DELETE CASCADE,
  ID_UZYTKOWNIK INTEGER NOT NULL REFERENCES UZYTKOWNIK(ID_UZYTKOWNIK) ON DELETE CASCADE,
  PRIMARY KEY (ID_FIRMA, ID_UZYTKOWNIK));
COMMIT;
INSERT INTO UZYTKOWNIK VALUES (1, 'ADMIN', 'Administrator');
INSERT INTO UZYTKOWNIK VALUES (2, 'KSIEGOWA', 'Grażyna Żółkiewska');
$wstaw
INSERT INTO PRAWODOFIRMY (ID_FIRMA, ID_UZYTKOWNIK) SELECT F.ID_FIRMA, U.ID_UZYTKOWNIK FROM FIRMA F, UZYTKOWNIK U;
COMMIT;
SQL
}

# A company database as the product keeps it: PLATFORMA (which server made
# it), BLOKADA (records held by users), and some data with Polish text.
utworz_baze_firmy() {
  local plik=$1 miasto=$2
  isql <<SQL
CREATE DATABASE '$SERWER:$plik' PAGE_SIZE 8192 DEFAULT CHARACTER SET WIN1250;
CREATE TABLE PLATFORMA (
  SERVERVERSION VARCHAR(100),
  SERVERIMPLEMENTATION VARCHAR(100));
CREATE TABLE BLOKADA (
  ID_UZYTKOWNIK INTEGER NOT NULL,
  OBIEKT VARCHAR(40) NOT NULL,
  OD TIMESTAMP NOT NULL);
CREATE TABLE KONTRAHENT (
  ID_KONTRAHENT INTEGER NOT NULL PRIMARY KEY,
  NAZWA VARCHAR(100) NOT NULL,
  MIASTO VARCHAR(40));
CREATE TABLE DOKUMENT (
  ID_DOKUMENT INTEGER NOT NULL PRIMARY KEY,
  NUMER VARCHAR(20) NOT NULL,
  ID_KONTRAHENT INTEGER NOT NULL REFERENCES KONTRAHENT(ID_KONTRAHENT),
  DATA_WYSTAWIENIA DATE NOT NULL,
  OPIS VARCHAR(120),
  WARTOSC NUMERIC(15, 2) NOT NULL);
COMMIT;
INSERT INTO PLATFORMA VALUES ('WI-V2.5.9.27139 Firebird 2.5', 'Firebird/x86/Windows NT');
INSERT INTO BLOKADA VALUES (2, 'DOKUMENT 17', '2008-10-15 16:40:00');
INSERT INTO KONTRAHENT VALUES (1, 'Przedsiębiorstwo Handlowe „Żuraw” Sp. z o.o.', '$miasto');
INSERT INTO KONTRAHENT VALUES (2, 'Spółdzielnia Mleczarska Łęczyca', 'Łęczyca');
INSERT INTO KONTRAHENT VALUES (3, 'Hurtownia Zbożowa Źródło', 'Gdańsk');
INSERT INTO KONTRAHENT VALUES (4, 'Sklep Ogólnospożywczy Jaś i Małgosia', 'Kraków');
COMMIT;
SQL
}

# Documents of one month: enough rows that the server's restore lines scroll.
dopisz_dokumenty() {
  local plik=$1 miesiac=$2 od=$3 ile=$4
  isql "$SERWER:$plik" <<SQL
SET TERM ^;
EXECUTE BLOCK AS
  DECLARE I INTEGER = 0;
BEGIN
  WHILE (I < $ile) DO
  BEGIN
    INSERT INTO DOKUMENT VALUES ($od + :I, 'FV/' || ($od + :I) || '/2008', 1 + MOD(:I, 4),
      DATEADD(MOD(:I, 28) DAY TO DATE '2008-$miesiac-01'),
      'Sprzedaż pieczywa i wyrobów cukierniczych – pozycja ' || :I || ', zapłacono gotówką',
      100 + MOD(:I * 37, 5000) / 3.0);
    I = I + 1;
  END
END^
SET TERM ;^
COMMIT;
SQL
}

# gbak reads through the server and writes the backup file itself, as root.
kopia_gbak() {
  local baza=$1 kopia=$2 czas=$3
  local wynik
  rm -f "$kopia"
  wynik=$(gbak -b "$SERWER:$baza" "$kopia" 2>&1) || umrzyj "gbak nie wykonał kopii $baza: $wynik"
  touch -d "$czas" "$kopia"
}

# The backup description file beside an archive, section "Kopia".
opis_kopii() {
  local archiwum=$1 klucz=$2 nazwa=$3 id=$4 czas=$5 rodzaj=$6
  zapisz_ini "${archiwum%.*}.ini" <<EOF
[Kopia]
IloscDysk=1
NazwaSkr=$nazwa
PodKatalog=$klucz
Id=$id
Czas=$czas
ProgramName=MORVANTA_SQL
Wersja=2008.2
LicencjaNazwa=Biuro Rachunkowe „Bilans” Łódź
LicencjaNr=48213
ArchiveExt=$rodzaj
EOF
}

archiwum_zip() {
  local archiwum=$1
  shift
  rm -f "$archiwum"
  zip -q -j -X "$archiwum" "$@" || umrzyj "zip nie utworzył $archiwum"
}

archiwum_kvr() {
  "$SPAKUJ_KVR" "$@" || umrzyj "ramvel-spakuj-kvr nie utworzył $1"
}

znajdz_pakujacy() {
  if [[ ! -x "$SPAKUJ_KVR" ]]; then
    mow "buduję ramvel-spakuj-kvr w $BUDOWA"
    if [[ ! -f "$BUDOWA/CMakeCache.txt" ]]; then
      cmake -S . -B "$BUDOWA" -DCMAKE_BUILD_TYPE="${RAMVEL_TYP:-RelWithDebInfo}" >/dev/null
    fi
    cmake --build "$BUDOWA" -j "$(nproc)" --target ramvel-spakuj-kvr >/dev/null \
      || umrzyj "nie udało się zbudować ramvel-spakuj-kvr"
  fi
  [[ "$SPAKUJ_KVR" == /* ]] || SPAKUJ_KVR="$KORZEN/$SPAKUJ_KVR"
}

SYSTEM_FIRMY="PIEKARNIA|Piekarnia „Złoty Kłos” s.c.
STOLARNIA|Zakład Stolarski Dębowy Ług"

zbuduj_kopie() {
  local r=$ROBOCZY arch1="$KATALOG/Kopia/Arch01/2008_10" arch2="$KATALOG/Kopia/Arch02/2008_11"
  mkdir -p "$r/2008_10" "$r/2008_11"

  mow "baza systemowa $KATALOG/BAZA/systemkv$ROZSZERZENIE (dwóch użytkowników)"
  utworz_baze_systemowa "$KATALOG/BAZA/systemkv$ROZSZERZENIE" ""
  # The system data as they were when the November backup was made.
  utworz_baze_systemowa "$r/systemkv$ROZSZERZENIE" "$SYSTEM_FIRMY"
  kopia_gbak "$r/systemkv$ROZSZERZENIE" "$r/2008_11/systemkv.gbk" "2008-11-03 09:04"

  mow "firma PIEKARNIA: kopie z 15 października (ZIP) i 3 listopada 2008 (KVR, z danymi systemowymi)"
  utworz_baze_firmy "$r/PIEKARNIA$ROZSZERZENIE" "Kłodzko"
  dopisz_dokumenty "$r/PIEKARNIA$ROZSZERZENIE" 10 1 3000
  kopia_gbak "$r/PIEKARNIA$ROZSZERZENIE" "$r/2008_10/PIEKARNIA.gbk" "2008-10-15 16:44"
  dopisz_dokumenty "$r/PIEKARNIA$ROZSZERZENIE" 11 3001 2000
  kopia_gbak "$r/PIEKARNIA$ROZSZERZENIE" "$r/2008_11/PIEKARNIA.gbk" "2008-11-03 09:04"
  archiwum_zip "$arch1/PIEKARNIA.zip" "$r/2008_10/PIEKARNIA.gbk"
  opis_kopii "$arch1/PIEKARNIA.zip" PIEKARNIA "Piekarnia „Złoty Kłos” s.c." 1015 "2008-10-15 16:45" zip
  archiwum_kvr "$arch2/PIEKARNIA.KVP" "$r/2008_11/PIEKARNIA.gbk" "$r/2008_11/systemkv.gbk"
  opis_kopii "$arch2/PIEKARNIA.KVP" PIEKARNIA "Piekarnia „Złoty Kłos” s.c." 1103 "2008-11-03 9:05" kvp

  mow "firma STOLARNIA: kopie z 20 października (KVR) i 24 listopada 2008 (ZIP)"
  utworz_baze_firmy "$r/STOLARNIA$ROZSZERZENIE" "Żyrardów"
  dopisz_dokumenty "$r/STOLARNIA$ROZSZERZENIE" 10 1 1500
  kopia_gbak "$r/STOLARNIA$ROZSZERZENIE" "$r/2008_10/STOLARNIA.gbk" "2008-10-20 18:29"
  dopisz_dokumenty "$r/STOLARNIA$ROZSZERZENIE" 11 1501 1500
  kopia_gbak "$r/STOLARNIA$ROZSZERZENIE" "$r/2008_11/STOLARNIA.gbk" "2008-11-24 12:59"
  archiwum_kvr "$arch1/STOLARNIA.KVP" "$r/2008_10/STOLARNIA.gbk"
  opis_kopii "$arch1/STOLARNIA.KVP" STOLARNIA "Zakład Stolarski Dębowy Ług" 1020 "2008-10-20 18:30" kvp
  archiwum_zip "$arch2/STOLARNIA.zip" "$r/2008_11/STOLARNIA.gbk"
  opis_kopii "$arch2/STOLARNIA.zip" STOLARNIA "Zakład Stolarski Dębowy Ług" 1124 "2008-11-24 13:00" zip
}

sprawdz_warunki
znajdz_pakujacy
przygotuj_katalog
# A running server is left alone (tests beside us may be using it).
if ! (exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null; then
  bash scripts/firebird.sh >/dev/null || umrzyj "serwer Firebird nie działa; zobacz: bash scripts/firebird.sh"
fi
zapisz_ustawienia
zbuduj_kopie
mow "gotowe: $KATALOG"
mow "uruchom: ramvel --katalog=$KATALOG"
