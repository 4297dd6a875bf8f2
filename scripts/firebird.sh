#!/usr/bin/env bash
# The local Firebird 3.0 server for Ramvel's tests and demo.
#
#   bash scripts/firebird.sh               configure, start when it does not answer,
#                                          make sure user SYSKVR exists (idempotent)
#   bash scripts/firebird.sh stop          stop the server
#   bash scripts/firebird.sh restart       stop, then as without arguments
#   bash scripts/firebird.sh haslo KATALOG write KATALOG/haslo_bazy (mode 0600),
#                                          the password file Ramvel reads beside baza.set
#
# Nothing starts the server on these machines (no systemd, and the package's own
# start is refused), so the script runs /usr/sbin/firebird itself, as user
# firebird, bound to loopback. The packages come from scripts/zaleznosci.sh.
set -euo pipefail

KONF_KATALOG=/etc/firebird/3.0
KONF="$KONF_KATALOG/firebird.conf"
HASLO_SYSDBA="$KONF_KATALOG/SYSDBA.password"
# Root-only; reruns reuse it, so the user and the file never disagree.
HASLO_SYSKVR="$KONF_KATALOG/SYSKVR.password"
BAZA_UZYTKOWNIKOW=/var/lib/firebird/3.0/system/security3.fdb
SERWER=/usr/sbin/firebird
KATALOG_RUN=/run/firebird3.0
KATALOG_BLOKAD=/tmp/firebird
PLIK_PID="$KATALOG_RUN/firebird.pid"
UZYTKOWNIK_BAZY=SYSKVR
ADRES=127.0.0.1
CZEKAJ_NA_START_S=30
CZEKAJ_NA_SIGTERM_S=10

mow() { echo "firebird: $*"; }
umrzyj() { echo "firebird: BŁĄD: $*" >&2; exit 1; }

port_serwera() {
  local port
  port=$(sed -n 's/^[[:space:]]*RemoteServicePort[[:space:]]*=[[:space:]]*\([0-9][0-9]*\).*/\1/p' "$KONF" | head -n 1)
  echo "${port:-3050}"
}

przyjmuje_polaczenia() {
  (exec 3<>"/dev/tcp/$ADRES/$(port_serwera)") 2>/dev/null
}

# A stopped server can stay behind as a zombie where nothing reaps orphans, so
# kill -0 would still call it alive; the state letter in /proc/PID/stat does not.
proces_zyje() {
  local pid=$1 stan
  [[ -r /proc/$pid/stat ]] || return 1
  stan=$(sed 's/^.*) \(.\).*$/\1/' "/proc/$pid/stat" 2>/dev/null) || return 1
  [[ -n "$stan" && "$stan" != Z && "$stan" != X ]]
}

sprawdz_instalacje() {
  [[ $(id -u) -eq 0 ]] || umrzyj "uruchom jako root"
  [[ -x "$SERWER" ]] || umrzyj "brak $SERWER; najpierw: bash scripts/zaleznosci.sh"
  command -v isql-fb >/dev/null || umrzyj "brak isql-fb; najpierw: bash scripts/zaleznosci.sh"
  command -v fbsvcmgr >/dev/null || umrzyj "brak fbsvcmgr; najpierw: bash scripts/zaleznosci.sh"
  getent passwd firebird >/dev/null || umrzyj "brak użytkownika systemowego firebird (pakiet firebird3.0-server)"
  [[ -f "$KONF" ]] || umrzyj "brak $KONF"
  [[ -f "$BAZA_UZYTKOWNIKOW" ]] || umrzyj "brak bazy użytkowników $BAZA_UZYTKOWNIKOW"
}

ustaw_adres() {
  if grep -Eq "^[[:space:]]*RemoteBindAddress[[:space:]]*=[[:space:]]*$ADRES[[:space:]]*$" "$KONF"; then
    mow "RemoteBindAddress = $ADRES już ustawione"
    return
  fi
  if grep -Eq '^[[:space:]]*RemoteBindAddress[[:space:]]*=' "$KONF"; then
    sed -i -E "s/^[[:space:]]*RemoteBindAddress[[:space:]]*=.*/RemoteBindAddress = $ADRES/" "$KONF"
  else
    printf '\nRemoteBindAddress = %s\n' "$ADRES" >>"$KONF"
  fi
  mow "ustawiono RemoteBindAddress = $ADRES w $KONF"
  if przyjmuje_polaczenia; then
    mow "uwaga: działający serwer przyjmie nowy adres dopiero po: bash scripts/firebird.sh restart"
  fi
}

# Both directories vanish with /run and /tmp. Files left in the lock directory
# by root (the package's set-up runs an embedded engine as root) would shut the
# server out, so a stopped server gets the whole directory back.
przygotuj_katalogi() {
  install -d -o firebird -g firebird -m 0770 "$KATALOG_RUN" "$KATALOG_BLOKAD"
  if ! przyjmuje_polaczenia; then
    chown -R firebird:firebird "$KATALOG_BLOKAD"
  fi
  mow "katalogi $KATALOG_RUN i $KATALOG_BLOKAD należą do firebird"
}

haslo_sysdba() {
  [[ -r "$HASLO_SYSDBA" ]] || return 1
  sed -n 's/^ISC_PASSWORD="\{0,1\}\([^"]*\)"\{0,1\}[[:space:]]*$/\1/p' "$HASLO_SYSDBA" | head -n 1
}

haslo_syskvr() {
  [[ -r "$HASLO_SYSKVR" ]] || return 1
  local haslo
  haslo=$(head -n 1 "$HASLO_SYSKVR")
  [[ "$haslo" =~ ^[0-9A-F]{10}$ ]] || umrzyj "$HASLO_SYSKVR nie zawiera hasła z dziesięciu cyfr szesnastkowych"
  echo "$haslo"
}

nowe_haslo() {
  od -An -tx1 -N5 /dev/urandom | tr -d ' \n' | tr 'a-f' 'A-F'
}

zapisz_haslo_syskvr() {
  local haslo=$1
  (umask 077 && printf '%s\n' "$haslo" >"$HASLO_SYSKVR.nowe")
  chown root:root "$HASLO_SYSKVR.nowe"
  chmod 0600 "$HASLO_SYSKVR.nowe"
  mv -f "$HASLO_SYSKVR.nowe" "$HASLO_SYSKVR"
}

# isql-fb on the user database itself, in-process, as user firebird. Only while
# the server is stopped: the server holds that file exclusively.
isql_na_bazie_uzytkownikow() {
  runuser -u firebird -- isql-fb -q -b -user SYSDBA "$BAZA_UZYTKOWNIKOW"
}

uzytkownik_istnieje_lokalnie() {
  local wynik
  wynik=$(isql_na_bazie_uzytkownikow <<SQL
set heading off;
select count(*) from sec\$users where sec\$user_name = '$UZYTKOWNIK_BAZY';
SQL
) || umrzyj "nie można odczytać użytkowników z $BAZA_UZYTKOWNIKOW"
  [[ $(echo "$wynik" | tr -d '[:space:]') != 0 ]]
}

# The user, its password and its right to create databases. Run with the
# server stopped. With "napraw" an existing user gets the saved password again
# (after a failed login); without it an existing user with a saved password is
# left alone.
utworz_uzytkownika() {
  local haslo polecenie
  if uzytkownik_istnieje_lokalnie; then
    if haslo=$(haslo_syskvr); then
      if [[ "${1:-}" != napraw ]]; then
        mow "użytkownik $UZYTKOWNIK_BAZY już istnieje"
        return 0
      fi
      polecenie="alter user $UZYTKOWNIK_BAZY password '$haslo'"
      mow "użytkownik $UZYTKOWNIK_BAZY istnieje; przywracam hasło z $HASLO_SYSKVR"
    else
      haslo=$(nowe_haslo)
      polecenie="alter user $UZYTKOWNIK_BAZY password '$haslo'"
      mow "użytkownik $UZYTKOWNIK_BAZY istnieje bez zapisanego hasła; nadaję nowe"
    fi
  else
    haslo=$(haslo_syskvr) || haslo=$(nowe_haslo)
    polecenie="create user $UZYTKOWNIK_BAZY password '$haslo'"
    mow "tworzę użytkownika $UZYTKOWNIK_BAZY"
  fi
  isql_na_bazie_uzytkownikow <<SQL >/dev/null || umrzyj "nie udało się utworzyć użytkownika $UZYTKOWNIK_BAZY"
$polecenie;
commit;
grant create database to user $UZYTKOWNIK_BAZY;
commit;
SQL
  zapisz_haslo_syskvr "$haslo"
  mow "hasło użytkownika $UZYTKOWNIK_BAZY zapisane w $HASLO_SYSKVR (tylko root)"
}

# The service manager needs no database, so a login there shows that the user,
# the password and the server all work.
logowanie_dziala() {
  local haslo
  haslo=$(haslo_syskvr) || return 1
  fbsvcmgr "$ADRES/$(port_serwera):service_mgr" -user "$UZYTKOWNIK_BAZY" -password "$haslo" \
    -info_server_version >/dev/null 2>&1
}

pid_serwera() {
  local pid
  if [[ -r "$PLIK_PID" ]]; then
    pid=$(head -n 1 "$PLIK_PID")
    if [[ "$pid" =~ ^[0-9]+$ ]] && proces_zyje "$pid"; then
      echo "$pid"
      return 0
    fi
  fi
  # A server started by something else: whoever listens on the port.
  pid=$( (ss -Hltnp "sport = :$(port_serwera)" 2>/dev/null || true) | sed -n 's/.*pid=\([0-9][0-9]*\).*/\1/p' | head -n 1)
  [[ -n "$pid" ]] && proces_zyje "$pid" && echo "$pid"
}

uruchom_serwer() {
  mow "uruchamiam $SERWER jako użytkownik firebird"
  rm -f "$PLIK_PID"
  start-stop-daemon --start --quiet --chuid firebird:firebird --background --make-pidfile \
    --pidfile "$PLIK_PID" --exec "$SERWER" \
    || umrzyj "start-stop-daemon nie uruchomił $SERWER"
  local i
  for ((i = 0; i < CZEKAJ_NA_START_S * 10; i++)); do
    if przyjmuje_polaczenia; then
      mow "serwer przyjmuje połączenia na $ADRES:$(port_serwera)"
      return 0
    fi
    local pid
    pid=$(head -n 1 "$PLIK_PID" 2>/dev/null || true)
    if [[ -n "$pid" ]] && ! proces_zyje "$pid"; then
      umrzyj "serwer zakończył się zaraz po starcie; zobacz /var/log/firebird/firebird3.0.log"
    fi
    sleep 0.1
  done
  umrzyj "serwer nie przyjmuje połączeń na $ADRES:$(port_serwera) po ${CZEKAJ_NA_START_S} s"
}

zatrzymaj_serwer() {
  local pid i
  if ! pid=$(pid_serwera); then
    if przyjmuje_polaczenia; then
      umrzyj "coś przyjmuje połączenia na $ADRES:$(port_serwera), ale nie znam jego procesu"
    fi
    mow "serwer nie działa"
    rm -f "$PLIK_PID"
    return 0
  fi
  mow "zatrzymuję serwer (pid $pid): SIGTERM"
  kill -TERM "$pid" 2>/dev/null || true
  for ((i = 0; i < CZEKAJ_NA_SIGTERM_S * 10; i++)); do
    proces_zyje "$pid" || break
    sleep 0.1
  done
  if proces_zyje "$pid"; then
    mow "serwer nie zakończył się po ${CZEKAJ_NA_SIGTERM_S} s: SIGKILL"
    kill -KILL "$pid" 2>/dev/null || true
    for ((i = 0; i < 50; i++)); do
      proces_zyje "$pid" || break
      sleep 0.1
    done
    proces_zyje "$pid" && umrzyj "serwer (pid $pid) nie zakończył się nawet po SIGKILL"
  fi
  for ((i = 0; i < 50; i++)); do
    przyjmuje_polaczenia || break
    sleep 0.1
  done
  przyjmuje_polaczenia && umrzyj "port $ADRES:$(port_serwera) nadal przyjmuje połączenia"
  rm -f "$PLIK_PID"
  mow "serwer zatrzymany"
}

przygotuj_i_uruchom() {
  sprawdz_instalacje
  ustaw_adres
  przygotuj_katalogi
  if przyjmuje_polaczenia; then
    mow "serwer już działa na $ADRES:$(port_serwera)"
  else
    # With a saved password the login check below finds a missing user; the
    # user database is read here only on the first run, so a restart keeps
    # the server down as briefly as it can.
    if [[ ! -f "$HASLO_SYSKVR" ]]; then
      utworz_uzytkownika
    fi
    uruchom_serwer
  fi
  if ! logowanie_dziala; then
    # A server that was already running when the user was missing: the user
    # database can only be changed while it is stopped.
    mow "logowanie jako $UZYTKOWNIK_BAZY nie działa; poprawiam użytkownika przy zatrzymanym serwerze"
    zatrzymaj_serwer
    przygotuj_katalogi
    utworz_uzytkownika napraw
    uruchom_serwer
    logowanie_dziala || umrzyj "logowanie jako $UZYTKOWNIK_BAZY nadal nie działa"
  fi
  mow "logowanie jako $UZYTKOWNIK_BAZY działa; gotowe"
}

zapisz_haslo_obok() {
  local katalog=${1:-}
  [[ -n "$katalog" && -d "$katalog" ]] || umrzyj "podaj istniejący katalog: bash scripts/firebird.sh haslo KATALOG"
  local haslo
  haslo=$(haslo_syskvr) || umrzyj "brak $HASLO_SYSKVR; najpierw: bash scripts/firebird.sh"
  local plik="$katalog/haslo_bazy"
  (umask 077 && printf '%s\n' "$haslo" >"$plik")
  chmod 0600 "$plik"
  # The owner of the directory runs Ramvel there and must be able to read it.
  chown "$(stat -c %u:%g "$katalog")" "$plik"
  mow "zapisano $plik (0600)"
}

case "${1:-}" in
  "") przygotuj_i_uruchom ;;
  stop) sprawdz_instalacje; zatrzymaj_serwer ;;
  restart) sprawdz_instalacje; zatrzymaj_serwer; przygotuj_i_uruchom ;;
  haslo) zapisz_haslo_obok "${2:-}" ;;
  *) umrzyj "nieznane polecenie \"$1\"; znane: (brak), stop, restart, haslo KATALOG" ;;
esac
