#pragma once
// One SQL statement executed in a transaction. A failure goes to the error
// window (ObsluzBladBazy) and ends the user's operation with EPrzerwanie.
//
//   TkvSQL polecenie(&baza, &transakcja);
//   polecenie.SQL = {"INSERT INTO FIRMA(ID_FIRMA, IDENTYFIKATOR) VALUES(GEN_ID(GEN_FIRMA, 1), ?)"};
//   polecenie.Params = {TParametrSQL::Tekst(identyfikator)};
//   polecenie.Wykonaj();
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "db/wartosci_sql.h"

namespace ramvel {

class TkvDatabase;
class TkvTransaction;
class TPolecenieSQL;

class TkvSQL {
public:
    explicit TkvSQL(TkvDatabase* baza = nullptr, TkvTransaction* transakcja = nullptr);
    ~TkvSQL();
    TkvSQL(const TkvSQL&) = delete;
    TkvSQL& operator=(const TkvSQL&) = delete;

    TkvDatabase* Database;
    TkvTransaction* Transaction;
    std::vector<std::string> SQL;       // the statement, line by line
    std::vector<TParametrSQL> Params;   // one value per "?", in order

    // Prepares and executes in Transaction (which must be active); a SELECT
    // fetches its first row. True on success; a failure goes to
    // ObsluzBladBazy (object "TkvSQL", with the SQL text).
    bool Wykonaj();
    // Closes an open cursor. Invalid statement handle and cursor already
    // closed are no failure.
    bool Zamknij();

    // Rows fetched so far: after Wykonaj of a SELECT 1 when there is a row, 0 when not.
    int LiczbaPobranych() const { return FPobrane; }
    // The next row of an open SELECT; false after the last one.
    bool Nastepny();

    // The columns of the current row, by position from 0. Raises EBlad for a
    // position without a column.
    size_t LiczbaPol() const;
    const TPoleSQL& Pole(size_t numer) const;

    // The lines of SQL joined with line ends.
    std::string TekstSQL() const;

private:
    std::unique_ptr<TPolecenieSQL> FPolecenie;
    int FPobrane = 0;
};

// Lines joined with "\r\n", as a list of lines gives its text.
std::string PolaczLinie(const std::vector<std::string>& linie);

}  // namespace ramvel
