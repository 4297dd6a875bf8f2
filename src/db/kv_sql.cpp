#include "db/kv_sql.h"

#include "db/blad_firebird.h"
#include "db/kv_database.h"
#include "db/kv_transaction.h"
#include "db/obsluga_bledu_bazy.h"
#include "db/polecenie_sql.h"

namespace ramvel {
namespace {

constexpr int32_t kBladUchwytuPolecenia = 335544485;  // invalid statement handle
constexpr int32_t kKursorJuzZamkniety = 335544577;    // attempt to reclose a closed cursor

}  // namespace

std::string PolaczLinie(const std::vector<std::string>& linie) {
    std::string tekst;
    for (const auto& linia : linie)
        tekst += linia + "\r\n";
    return tekst;
}

TkvSQL::TkvSQL(TkvDatabase* baza, TkvTransaction* transakcja)
    : Database(baza), Transaction(transakcja), FPolecenie(std::make_unique<TPolecenieSQL>()) {}

TkvSQL::~TkvSQL() = default;

std::string TkvSQL::TekstSQL() const { return PolaczLinie(SQL); }

bool TkvSQL::Wykonaj() {
    try {
        if (!Database && Transaction)
            Database = Transaction->DefaultDatabase();
        if (!Database || !Database->Connected())
            throw EBladFirebird("Baza danych nie jest połączona.");
        if (!Transaction || !Transaction->Active())
            throw EBladFirebird("Transakcja nie jest aktywna.");
        FPobrane = 0;
        FPolecenie->Wykonaj(Database->Uchwyt(), Transaction->Uchwyt(), Database->Dialekt(), TekstSQL(), Params);
        if (FPolecenie->KursorOtwarty() && FPolecenie->Pobierz())
            FPobrane = 1;
        return true;
    } catch (const std::exception& blad) {
        ObsluzBladBazy(Database, "TkvSQL", &blad, TekstSQL());
        return false;
    }
}

bool TkvSQL::Nastepny() {
    try {
        if (!FPolecenie->Pobierz())
            return false;
        ++FPobrane;
        return true;
    } catch (const std::exception& blad) {
        ObsluzBladBazy(Database, "TkvSQL", &blad, TekstSQL());
        return false;
    }
}

bool TkvSQL::Zamknij() {
    try {
        FPolecenie->Zamknij();
        return true;
    } catch (const EBladFirebird& blad) {
        if (blad.ZawieraKod(kBladUchwytuPolecenia) || blad.ZawieraKod(kKursorJuzZamkniety))
            return true;
        ObsluzBladBazy(Database, "TkvSQL", &blad, TekstSQL());
        return false;
    } catch (const std::exception& blad) {
        ObsluzBladBazy(Database, "TkvSQL", &blad, TekstSQL());
        return false;
    }
}

size_t TkvSQL::LiczbaPol() const { return FPolecenie->Wiersz().size(); }

const TPoleSQL& TkvSQL::Pole(size_t numer) const {
    if (numer >= FPolecenie->Wiersz().size())
        throw EBlad("Bieżący wiersz nie ma kolumny numer " + std::to_string(numer) + ".");
    return FPolecenie->Wiersz()[numer];
}

}  // namespace ramvel
