#include "serwer_testowy.h"

#include <arpa/inet.h>
#include <ibase.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "db/kv_database.h"
#include "db/kv_query.h"
#include "db/kv_transaction.h"
#include "db/uzytkownik_bazy.h"

namespace ramvel::testy {
namespace {

bool PortPrzyjmuje(uint16_t port) {
    const int gniazdo = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (gniazdo < 0)
        return false;
    sockaddr_in adres{};
    adres.sin_family = AF_INET;
    adres.sin_port = htons(port);
    adres.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool polaczono = connect(gniazdo, reinterpret_cast<sockaddr*>(&adres), sizeof adres) == 0;
    close(gniazdo);
    return polaczono;
}

std::string Haslo() {
    const char* zmienna = std::getenv(kZmiennaHaslaBazy);
    if (!zmienna || !*zmienna)
        throw std::runtime_error("brak hasła: ustaw RAMVEL_HASLO_BAZY albo uruchom bash scripts/firebird.sh");
    return zmienna;
}

void DopiszTekst(std::string& blok, char pozycja, const std::string& wartosc) {
    blok += pozycja;
    blok += static_cast<char>(wartosc.size());
    blok += wartosc;
}

std::string BlokPolaczenia(int dialekt) {
    std::string blok(1, static_cast<char>(isc_dpb_version1));
    DopiszTekst(blok, isc_dpb_user_name, kUzytkownikBazy);
    DopiszTekst(blok, isc_dpb_password, Haslo());
    DopiszTekst(blok, isc_dpb_lc_ctype, "WIN1250");
    DopiszTekst(blok, isc_dpb_set_db_charset, "WIN1250");
    DopiszTekst(blok, isc_dpb_config, kKonfiguracjaKlienta);
    blok += static_cast<char>(isc_dpb_sql_dialect);
    blok += static_cast<char>(4);
    const int32_t d = dialekt;
    blok.append(reinterpret_cast<const char*>(&d), 4);
    return blok;
}

[[noreturn]] void Zglos(const std::string& co, const ISC_STATUS* status) {
    std::string tekst = co + ":";
    char bufor[1024];
    const ISC_STATUS* wektor = status;
    while (fb_interpret(bufor, sizeof bufor, &wektor) > 0)
        tekst += std::string(" ") + bufor;
    throw std::runtime_error(tekst);
}

void Wykonaj(isc_db_handle* baza, const std::vector<std::string>& polecenia, int dialekt) {
    ISC_STATUS_ARRAY status{};
    for (const auto& polecenie : polecenia) {
        isc_tr_handle transakcja = 0;
        if (isc_start_transaction(status, &transakcja, 1, baza, 0, nullptr))
            Zglos("start transakcji", status);
        if (isc_dsql_execute_immediate(status, baza, &transakcja, 0, polecenie.c_str(),
                                       static_cast<unsigned short>(dialekt), nullptr)) {
            ISC_STATUS_ARRAY s{};
            isc_rollback_transaction(s, &transakcja);
            Zglos(polecenie, status);
        }
        if (isc_commit_transaction(status, &transakcja))
            Zglos("commit", status);
    }
}

}  // namespace

std::string PowodBrakuSerwera() {
    if (!PortPrzyjmuje(3050))
        return "nic nie przyjmuje połączeń na 127.0.0.1:3050";
    const char* zmienna = std::getenv(kZmiennaHaslaBazy);
    if (zmienna && *zmienna)
        return {};
    std::ifstream plik(kPlikHaslaSerwera);
    std::string haslo;
    if (!plik || !std::getline(plik, haslo) || haslo.empty())
        return std::string("nie można odczytać ") + kPlikHaslaSerwera;
    setenv(kZmiennaHaslaBazy, haslo.c_str(), 1);
    return {};
}

TZmiennaSrodowiska::TZmiennaSrodowiska(const char* nazwa, const char* wartosc) : FNazwa(nazwa) {
    const char* stara = std::getenv(nazwa);
    FByla = stara != nullptr;
    if (stara)
        FWartosc = stara;
    if (wartosc)
        setenv(nazwa, wartosc, 1);
    else
        unsetenv(nazwa);
}

TZmiennaSrodowiska::~TZmiennaSrodowiska() {
    if (FByla)
        setenv(FNazwa.c_str(), FWartosc.c_str(), 1);
    else
        unsetenv(FNazwa.c_str());
}

TKatalogSerwera::TKatalogSerwera() {
    const passwd* firebird = getpwnam("firebird");
    if (geteuid() == 0 && firebird) {
        if (chown(Sciezka().c_str(), firebird->pw_uid, firebird->pw_gid) != 0)
            throw std::runtime_error("chown " + Sciezka());
    } else if (chmod(Sciezka().c_str(), 0777) != 0) {
        throw std::runtime_error("chmod " + Sciezka());
    }
}

TBazaTestowa::TBazaTestowa(const std::string& sciezka, int dialekt, const std::vector<std::string>& ddl)
    : FSciezka(sciezka) {
    const std::string blok = BlokPolaczenia(dialekt);
    ISC_STATUS_ARRAY status{};
    isc_db_handle baza = 0;
    // A plain path with the client configuration the program uses: the server
    // creates the file, so it belongs to the server's user.
    if (isc_create_database(status, 0, sciezka.c_str(), &baza, static_cast<short>(blok.size()), blok.data(), 0))
        Zglos("utworzenie bazy " + sciezka, status);
    try {
        Wykonaj(&baza, ddl, dialekt);
    } catch (...) {
        isc_drop_database(status, &baza);
        throw;
    }
    isc_detach_database(status, &baza);
}

TBazaTestowa::~TBazaTestowa() {
    try {
        const std::string blok = BlokPolaczenia(3);
        ISC_STATUS_ARRAY status{};
        isc_db_handle baza = 0;
        if (!isc_attach_database(status, 0, FSciezka.c_str(), &baza, static_cast<short>(blok.size()), blok.data()))
            isc_drop_database(status, &baza);
    } catch (...) {
    }
}

void WykonajNaBazie(const std::string& sciezka, const std::vector<std::string>& polecenia) {
    const std::string blok = BlokPolaczenia(3);
    ISC_STATUS_ARRAY status{};
    isc_db_handle baza = 0;
    if (isc_attach_database(status, 0, sciezka.c_str(), &baza, static_cast<short>(blok.size()), blok.data()))
        Zglos("połączenie z " + sciezka, status);
    try {
        Wykonaj(&baza, polecenia, 3);
    } catch (...) {
        isc_detach_database(status, &baza);
        throw;
    }
    isc_detach_database(status, &baza);
}

std::vector<std::string> WierszeZapytania(TkvDatabase& baza, const std::string& zapytanie) {
    TkvTransaction transakcja(&baza);
    TkvQuery q(&baza, &transakcja);
    q.SelectSQL = {zapytanie};
    q.Otworz();
    std::vector<std::string> wynik;
    for (; !q.Eof(); q.Nastepny()) {
        std::string wiersz;
        for (size_t i = 0; i < q.LiczbaPol(); ++i)
            wiersz += (i ? "|" : "") + q.Pole(i).JakoTekst();
        wynik.push_back(wiersz);
    }
    q.Zamknij();
    transakcja.Zatwierdz();
    return wynik;
}

}  // namespace ramvel::testy
