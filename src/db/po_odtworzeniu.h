#pragma once
// What is done once on a freshly restored database, attached: the server
// version recorded in PLATFORMA, the locks table emptied, the write mode.
#include <string>

namespace ramvel {

class TkvDatabase;

// The server's version and implementation (PobierzWersjeSerwera); when the
// server rejects the login, the database's own version text and "-".
void WersjaSerwera(TkvDatabase& baza, std::string& wersja, std::string& implementacja);

// Without table PLATFORMA nothing happens. Otherwise its rows are replaced by
// one row with the server's version and implementation, in one transaction.
// Failures of the two statements are raised (EBladFirebird), not shown.
void AktualizujPlatforme(TkvDatabase& baza);

// Empties table BLOKADA in one transaction; a failing statement goes to the
// database error window, and the transaction is rolled back.
void UsunBlokady(TkvDatabase& baza);

// Synchronous writes on or off for this database's file (TkvConfigDb).
void UstawForcedWrites(TkvDatabase& baza, bool wlacz);

// The first version text of a database information answer to isc_info_version.
// Format notes: the item 12, a 16-bit length, a count byte, then that many
// texts each with a one-byte length. Raises EBlad for any other shape.
std::string PierwszaWersjaBazy(const std::string& odpowiedz);

}  // namespace ramvel
