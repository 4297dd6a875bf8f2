#include "db/kv_query.h"

#include "db/blad_firebird.h"
#include "db/kv_database.h"
#include "db/kv_sql.h"
#include "db/kv_transaction.h"
#include "db/obsluga_bledu_bazy.h"
#include "db/polecenie_sql.h"

namespace ramvel {
namespace {

constexpr int32_t kBladUchwytuPolecenia = 335544485;
constexpr int32_t kKursorJuzZamkniety = 335544577;

}  // namespace

TkvQuery::TkvQuery(TkvDatabase* baza, TkvTransaction* transakcja)
    : Database(baza), Transaction(transakcja), FPolecenie(std::make_unique<TPolecenieSQL>()) {}

TkvQuery::~TkvQuery() = default;

bool TkvQuery::Otworz() {
    try {
        if (!Database && Transaction)
            Database = Transaction->DefaultDatabase();
        if (Transaction && !Transaction->Active())
            Transaction->StartTransaction();
        if (FOtwarte)
            return true;
        if (!Database || !Database->Connected())
            throw EBladFirebird("Baza danych nie jest połączona.");
        if (!Transaction)
            throw EBladFirebird("Zapytanie nie ma transakcji.");
        FPolecenie->Wykonaj(Database->Uchwyt(), Transaction->Uchwyt(), Database->Dialekt(), PolaczLinie(SelectSQL),
                            Params);
        FOtwarte = true;
        FPusty = !FPolecenie->Pobierz();
        FKoniec = FPusty;
        return true;
    } catch (const std::exception& blad) {
        ObsluzBladBazy(Database, "", &blad, PolaczLinie(SelectSQL));
        return false;
    }
}

bool TkvQuery::Nastepny() {
    if (Eof())
        return false;
    try {
        FKoniec = !FPolecenie->Pobierz();
        return !FKoniec;
    } catch (const std::exception& blad) {
        ObsluzBladBazy(Database, "", &blad, PolaczLinie(SelectSQL));
        return false;
    }
}

bool TkvQuery::Zamknij() {
    if (!FOtwarte)
        return true;
    FOtwarte = false;
    FPusty = true;
    FKoniec = true;
    try {
        FPolecenie->Zamknij();
        return true;
    } catch (const EBladFirebird& blad) {
        if (blad.ZawieraKod(kBladUchwytuPolecenia) || blad.ZawieraKod(kKursorJuzZamkniety))
            return true;
        ObsluzBladBazy(Database, "", &blad, PolaczLinie(SelectSQL));
        return false;
    } catch (const std::exception& blad) {
        ObsluzBladBazy(Database, "", &blad, PolaczLinie(SelectSQL));
        return false;
    }
}

size_t TkvQuery::LiczbaPol() const { return FOtwarte && !FKoniec ? FPolecenie->Wiersz().size() : 0; }

const TPoleSQL& TkvQuery::Pole(size_t numer) const {
    if (!FOtwarte || FKoniec || numer >= FPolecenie->Wiersz().size())
        throw EBlad("Bieżący wiersz nie ma kolumny numer " + std::to_string(numer) + ".");
    return FPolecenie->Wiersz()[numer];
}

}  // namespace ramvel
