#pragma once
// A read cursor over one SELECT. Otworz starts an inactive transaction, opens
// the SELECT and stands on its first row. Failures go to ObsluzBladBazy.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "db/wartosci_sql.h"

namespace ramvel {

class TkvDatabase;
class TkvTransaction;
class TPolecenieSQL;

class TkvQuery {
public:
    explicit TkvQuery(TkvDatabase* baza = nullptr, TkvTransaction* transakcja = nullptr);
    ~TkvQuery();
    TkvQuery(const TkvQuery&) = delete;
    TkvQuery& operator=(const TkvQuery&) = delete;

    TkvDatabase* Database;
    TkvTransaction* Transaction;
    std::vector<std::string> SelectSQL;
    std::vector<TParametrSQL> Params;

    // Nothing when the query is open already.
    bool Otworz();
    bool Zamknij();
    bool Active() const { return FOtwarte; }

    // No row at all (after Otworz).
    bool IsEmpty() const { return FOtwarte && FPusty; }
    // Past the last row.
    bool Eof() const { return !FOtwarte || FKoniec; }
    // Moves to the next row; false at the end.
    bool Nastepny();

    size_t LiczbaPol() const;
    const TPoleSQL& Pole(size_t numer) const;

private:
    std::unique_ptr<TPolecenieSQL> FPolecenie;
    bool FOtwarte = false;
    bool FPusty = true;
    bool FKoniec = true;
};

}  // namespace ramvel
