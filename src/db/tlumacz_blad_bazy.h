#pragma once
// A Firebird error as a Polish sentence about the business object concerned.
#include <string>

namespace ramvel {

class EBladFirebird;
class TkvDatabase;

// By KodBledu: the special rules of foreign keys (335544466), unique indexes
// (335544349), primary and unique keys (335544665) and database exceptions
// (335544517); a template filled from the message; a fixed text; or
// "Nieznany błąd bazy danych". `baza` (may be null) is asked for the name of a
// database exception; that query's own failure is reported and ends in
// EPrzerwanie.
std::string TlumaczBladBazy(const EBladFirebird& blad, TkvDatabase* baza);

// Fills the placeholders of `szablonPolski` with the values found in the
// detail line of `komunikat` at the positions `szablonAngielski` gives them.
// '' when the message has no detail line (it must have 2, 4 or 6 lines).
std::string WstawWartosci(const std::string& szablonPolski, const std::string& komunikat,
                          const std::string& szablonAngielski);

}  // namespace ramvel
