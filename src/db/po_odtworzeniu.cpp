#include "db/po_odtworzeniu.h"

#include <ibase.h>

#include "db/blad_firebird.h"
#include "db/kv_config_db.h"
#include "db/kv_database.h"
#include "db/kv_serwer_info.h"
#include "db/kv_sql.h"
#include "db/kv_transaction.h"
#include "db/polecenie_sql.h"
#include "db/serwis.h"
#include "platform/bledy.h"
#include "platform/cp1250.h"

namespace ramvel {
namespace {

constexpr size_t kBuforInformacjiOBazie = 1024;

const char* const kZlaOdpowiedzBazy = "Serwer bazy danych przysłał informację o bazie w nieoczekiwanej postaci.";

std::string WersjaZBazy(TkvDatabase& baza) {
    const char pytanie[] = {isc_info_version, isc_info_end};
    std::string odpowiedz(kBuforInformacjiOBazie, '\0');
    ISC_STATUS_ARRAY status{};
    isc_database_info(status, baza.Uchwyt(), sizeof pytanie, pytanie, static_cast<short>(odpowiedz.size()),
                      odpowiedz.data());
    SprawdzStatus(status);
    return Cp1250NaUtf8(PierwszaWersjaBazy(odpowiedz));
}

}  // namespace

std::string PierwszaWersjaBazy(const std::string& odpowiedz) {
    if (odpowiedz.size() < 5 || static_cast<uint8_t>(odpowiedz[0]) != isc_info_version)
        throw EBlad(kZlaOdpowiedzBazy);
    const size_t dlugosc = CzytajLiczbeLE(odpowiedz, 1, 2);
    if (odpowiedz.size() - 3 < dlugosc || dlugosc < 2)
        throw EBlad(kZlaOdpowiedzBazy);
    const size_t ile = static_cast<uint8_t>(odpowiedz[3]);
    const size_t dlugoscTekstu = static_cast<uint8_t>(odpowiedz[4]);
    if (ile < 1 || 2 + dlugoscTekstu > dlugosc)
        throw EBlad(kZlaOdpowiedzBazy);
    return odpowiedz.substr(5, dlugoscTekstu);
}

void WersjaSerwera(TkvDatabase& baza, std::string& wersja, std::string& implementacja) {
    PobierzWersjeSerwera(wersja, implementacja);
    if (wersja == kWersjaNieznana && implementacja == kWersjaNieznana) {
        wersja = WersjaZBazy(baza);
        implementacja.assign(1, '-');
    }
}

void AktualizujPlatforme(TkvDatabase& baza) {
    if (!baza.TabelaIstnieje("PLATFORMA"))
        return;
    std::string wersja, implementacja;
    WersjaSerwera(baza, wersja, implementacja);

    TkvTransaction transakcja(&baza);
    transakcja.Rozpocznij();
    // Straight through the statement layer: a failure here is the restore's
    // failure and goes to its caller, not to the error window. The texts go
    // in as parameters; what is stored is the same as the quoted literals.
    {
        TPolecenieSQL polecenie;
        polecenie.Wykonaj(baza.Uchwyt(), transakcja.Uchwyt(), baza.Dialekt(), "DELETE FROM PLATFORMA", {});
    }
    {
        TPolecenieSQL polecenie;
        polecenie.Wykonaj(baza.Uchwyt(), transakcja.Uchwyt(), baza.Dialekt(),
                          "INSERT INTO PLATFORMA(SERVERVERSION, SERVERIMPLEMENTATION) VALUES (?, ?)",
                          {TParametrSQL::Tekst(wersja), TParametrSQL::Tekst(implementacja)});
    }
    transakcja.Zatwierdz();
}

void UsunBlokady(TkvDatabase& baza) {
    TkvTransaction transakcja(&baza);
    transakcja.Rozpocznij();
    // On a failure the transaction's destructor rolls it back without a second
    // message: the error window has already spoken.
    TkvSQL polecenie(&baza, &transakcja);
    polecenie.SQL = {"DELETE FROM BLOKADA"};
    polecenie.Wykonaj();
    polecenie.Zamknij();
    transakcja.Zatwierdz();
}

void UstawForcedWrites(TkvDatabase& baza, bool wlacz) {
    TkvConfigDb konfiguracja;
    konfiguracja.PlikBazy = baza.PlikBazy;
    konfiguracja.KatalogBazy = baza.KatalogBazy;
    konfiguracja.UstawTrybZapisu(wlacz);
}

}  // namespace ramvel
