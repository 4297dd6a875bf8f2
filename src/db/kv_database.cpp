#include "db/kv_database.h"

#include <cstdlib>
#include <cstring>

#include "db/blad_firebird.h"
#include "db/kv_sql.h"
#include "db/kv_transaction.h"
#include "db/lokalizacja_bazy.h"
#include "db/uzytkownik_bazy.h"
#include "platform/cp1250.h"

namespace ramvel {
namespace {

// The answer to the dialect question fits easily; the size is the one the
// question was always asked with.
constexpr size_t kBuforInformacji = 512;

struct TPozycjaBloku {
    const char* Nazwa;
    char Pozycja;
    bool Liczbowa;  // a one-byte number instead of a text
};

constexpr TPozycjaBloku kPozycjePolaczenia[] = {
    {"user_name", isc_dpb_user_name, false},
    {"password", isc_dpb_password, false},
    {"lc_ctype", isc_dpb_lc_ctype, false},
    {"num_buffers", isc_dpb_num_buffers, true},
};

void DopiszPozycje(std::string& blok, char pozycja, const std::string& wartosc) {
    if (wartosc.size() > 255)
        throw EBladFirebird("Wartość parametru połączenia jest za długa.");
    blok += pozycja;
    blok += static_cast<char>(wartosc.size());
    blok += wartosc;
}

}  // namespace

std::string BlokParametrowPolaczenia(const std::vector<std::string>& params) {
    std::string blok(1, static_cast<char>(isc_dpb_version1));
    for (const auto& linia : params) {
        const size_t rownosc = linia.find('=');
        const std::string nazwa = linia.substr(0, rownosc);
        const std::string wartosc = rownosc == std::string::npos ? std::string() : linia.substr(rownosc + 1);
        const TPozycjaBloku* znana = nullptr;
        for (const auto& p : kPozycjePolaczenia)
            if (nazwa == p.Nazwa)
                znana = &p;
        if (!znana)
            throw EBladFirebird("Nieznany parametr połączenia z bazą danych: " + nazwa);
        if (znana->Liczbowa) {
            const int liczba = std::atoi(wartosc.c_str());
            if (liczba < 0 || liczba > 255)
                throw EBladFirebird("Niepoprawna wartość parametru połączenia: " + linia);
            blok += znana->Pozycja;
            blok += static_cast<char>(1);
            blok += static_cast<char>(liczba);
        } else {
            DopiszPozycje(blok, znana->Pozycja, wartosc);
        }
    }
    return blok;
}

TkvDatabase::TkvDatabase() = default;

TkvDatabase::~TkvDatabase() {
    Odlacz(false);
    for (auto* transakcja : FTransakcje)
        transakcja->FBaza = nullptr;
}

void TkvDatabase::UstawPolaczenie() {
    std::string nazwa = PlikBazy;
    if (nazwa.find('.') == std::string::npos && !RozszerzenieBazy.empty())
        nazwa += RozszerzenieBazy;
    DatabaseName = SciezkaPolaczenia(Zdalna, NazwaSerwera, Protokol, nazwa, KatalogBazy);
    Params.clear();
    Params.push_back(std::string("user_name=") + kUzytkownikBazy);
    Params.push_back("password=" + HasloBazy());
    Params.push_back("lc_ctype=WIN1250");
    if (DuzyBufor)
        Params.push_back("num_buffers=250");
}

void TkvDatabase::Connected(bool polacz) {
    if (polacz == Connected())
        return;
    if (!polacz) {
        Odlacz(true);
        return;
    }
    std::string blok = BlokParametrowPolaczenia(Params);
    DopiszPozycje(blok, isc_dpb_config, kKonfiguracjaKlienta);
    // A path is bytes on Linux: the UTF-8 name goes to the server as it is.
    ISC_STATUS_ARRAY status{};
    isc_attach_database(status, 0, DatabaseName.c_str(), &FUchwyt, static_cast<short>(blok.size()), blok.data());
    if (status[0] == 1 && status[1]) {
        FUchwyt = 0;
        throw EBladFirebird(status);
    }

    const char pytanie[] = {isc_info_db_sql_dialect, isc_info_end};
    char odpowiedz[kBuforInformacji] = {};
    int dialektBazy = 1;  // no answer: the old dialect
    isc_database_info(status, &FUchwyt, sizeof pytanie, pytanie, sizeof odpowiedz, odpowiedz);
    if (!(status[0] == 1 && status[1]) && odpowiedz[0] == isc_info_db_sql_dialect) {
        const auto dlugosc = static_cast<short>(isc_vax_integer(odpowiedz + 1, 2));
        if (dlugosc > 0 && dlugosc <= 4)
            dialektBazy = static_cast<int>(isc_vax_integer(odpowiedz + 3, dlugosc));
    }
    FDialekt = dialektBazy < SQLDialect ? dialektBazy : SQLDialect;
}

void TkvDatabase::Odlacz(bool zglaszajBledy) {
    if (!FUchwyt)
        return;
    // The server refuses to detach while a transaction is open.
    for (auto* transakcja : FTransakcje)
        if (transakcja->Active()) {
            ISC_STATUS_ARRAY status{};
            isc_rollback_transaction(status, transakcja->Uchwyt());
            transakcja->FUchwyt = 0;
            transakcja->FZaglebienie = 0;
        }
    ISC_STATUS_ARRAY status{};
    isc_detach_database(status, &FUchwyt);
    // Whatever the server said, this handle is of no further use.
    FUchwyt = 0;
    FDialekt = SQLDialect;
    if (zglaszajBledy)
        SprawdzStatus(status);
}

bool TkvDatabase::ZapytanieMaWiersze(const std::string& zapytanie) {
    TkvTransaction transakcja(this);
    transakcja.Rozpocznij();
    TkvSQL polecenie(this, &transakcja);
    polecenie.SQL = {zapytanie};
    bool wynik = false;
    try {
        polecenie.Wykonaj();
        wynik = polecenie.LiczbaPobranych() > 0;
    } catch (...) {
        // The failure was reported already; closing must not report another.
        try {
            polecenie.Zamknij();
            transakcja.Zatwierdz();
        } catch (...) {
        }
        throw;
    }
    polecenie.Zamknij();
    transakcja.Zatwierdz();
    return wynik;
}

bool TkvDatabase::TabelaIstnieje(const std::string& nazwa) {
    std::string wielkie = nazwa;
    for (char& c : wielkie)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return ZapytanieMaWiersze(
        "select distinct rdb$relation_name from rdb$relation_fields WHERE rdb$relation_name = '" + wielkie + "'");
}

}  // namespace ramvel
