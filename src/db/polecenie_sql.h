#pragma once
// The dynamic-SQL work under TkvSQL and TkvQuery: prepare, bind the "?"
// parameters, execute, fetch rows, close. Raises EBladFirebird; the two
// classes above decide where a failure goes.
#include <ibase.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "db/wartosci_sql.h"

namespace ramvel {

class TObszarSQLDA;

class TPolecenieSQL {
public:
    TPolecenieSQL();
    ~TPolecenieSQL();  // frees the statement; errors are swallowed
    TPolecenieSQL(const TPolecenieSQL&) = delete;
    TPolecenieSQL& operator=(const TPolecenieSQL&) = delete;

    // Prepares `tekst` (UTF-8) and executes it with `parametry`. A SELECT is
    // left with its cursor open before the first row; a procedure's output
    // row is kept for the first Pobierz.
    void Wykonaj(isc_db_handle* baza, isc_tr_handle* transakcja, int dialekt, const std::string& tekst,
                 const std::vector<TParametrSQL>& parametry);
    // The next row into Wiersz(); false after the last one.
    bool Pobierz();
    // Closes an open cursor; nothing when none is open.
    void Zamknij();

    bool KursorOtwarty() const { return FKursor; }
    const std::vector<TPoleSQL>& Wiersz() const { return FWiersz; }

private:
    void Zwolnij();
    void PrzygotujWyniki(int dialekt);
    void WiazParametry(const std::vector<TParametrSQL>& parametry, int dialekt);
    void CzytajWiersz();
    std::string CzytajBlob(const ISC_QUAD& identyfikator, bool tekstowy);

    isc_stmt_handle FUchwyt = 0;
    isc_db_handle* FBaza = nullptr;
    isc_tr_handle* FTransakcja = nullptr;
    bool FKursor = false;
    bool FWierszProcedury = false;  // an executed procedure's row not yet handed out
    std::unique_ptr<TObszarSQLDA> FWejscie;
    std::unique_ptr<TObszarSQLDA> FWyjscie;
    std::vector<std::string> FBuforyWejscia;
    std::vector<std::string> FBuforyWyjscia;
    std::vector<short> FWskaznikiWejscia;
    std::vector<short> FWskaznikiWyjscia;
    std::vector<TPoleSQL> FWiersz;
};

}  // namespace ramvel
