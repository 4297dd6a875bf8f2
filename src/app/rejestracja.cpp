#include "app/rejestracja.h"

#include "db/kv_database.h"
#include "db/kv_query.h"
#include "db/kv_sql.h"
#include "db/kv_transaction.h"
#include "db/test_polaczenia.h"
#include "platform/bledy.h"
#include "ui/komunikaty.h"

namespace ramvel {
namespace {

const char* const kSzukajFirmy = "SELECT F.Id_Firma FROM Firma F WHERE (F.Identyfikator = ?) and (F.Opis = ?)";
const char* const kNowaFirma = "INSERT INTO FIRMA(ID_FIRMA, IDENTYFIKATOR, OPIS) VALUES(GEN_ID(GEN_FIRMA, 1), ?, ?)";
// The number comes from the database itself, so it is written into the text.
const char* const kPrawaDoFirmy =
    "INSERT INTO PRAWODOFIRMY (ID_FIRMA, ID_UZYTKOWNIK) SELECT %d AS ID_FIRMA, U.ID_UZYTKOWNIK FROM UZYTKOWNIK U";

std::string PrawaDoFirmy(long long numer) {
    std::string tekst = kPrawaDoFirmy;
    tekst.replace(tekst.find("%d"), 2, std::to_string(numer));
    return tekst;
}

}  // namespace

void PolaczZBazaSystemowa(TkvDatabase& baza) {
    TTestDatabaseConnect test;
    test.CzytajUstawienia();
    if (!test.Testuj(true)) {
        KomunikatInfo("W celu konfiguracji połączenia z bazą danych uruchom program \"Norvik\"");
        throw EPrzerwanie();
    }
    baza.Zdalna = test.Zdalna;
    baza.NazwaSerwera = test.NazwaSerwera;
    baza.Protokol = test.Protokol;
    baza.KatalogBazy = test.KatalogBazy;
    baza.PlikBazy = test.PlikBazy;
    baza.RozszerzenieBazy = test.RozszerzenieBazy;
    baza.DuzyBufor = true;
    baza.UstawPolaczenie();
    baza.Connected(true);
}

void ZarejestrujFirme(const std::string& identyfikator, const std::string& opis) {
    // Declared so that on every way out the cursor closes first, then the
    // database rolls back what is still open and detaches, quietly: a failure
    // on its way to the caller has been shown already.
    TkvTransaction transakcja;
    TkvDatabase baza;
    baza.DefaultTransaction = &transakcja;
    transakcja.DefaultDatabase(&baza);
    TkvSQL polecenie(&baza, &transakcja);
    TkvQuery firma(&baza, &transakcja);

    PolaczZBazaSystemowa(baza);
    transakcja.StartTransaction();
    firma.SelectSQL = {kSzukajFirmy};
    firma.Params = {TParametrSQL::Tekst(identyfikator), TParametrSQL::Tekst(opis)};
    firma.Otworz();
    if (firma.IsEmpty()) {
        polecenie.SQL = {kNowaFirma};
        polecenie.Params = {TParametrSQL::Tekst(identyfikator), TParametrSQL::Tekst(opis)};
        polecenie.Wykonaj();
        firma.Zamknij();
        firma.Otworz();
        if (firma.IsEmpty())
            throw EBlad("Nie udało się odczytać numeru zarejestrowanej firmy " + identyfikator + ".");
        const long long numer = firma.Pole(0).JakoLiczba();
        polecenie.SQL = {PrawaDoFirmy(numer)};
        polecenie.Params.clear();
        polecenie.Wykonaj();
    }
    firma.Zamknij();
    transakcja.Zatwierdz();
}

}  // namespace ramvel
