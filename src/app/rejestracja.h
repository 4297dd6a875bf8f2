#pragma once
// The company restored into the product's own database directory is entered
// in the system database: table FIRMA, and a right to it for every user.
#include <string>

namespace ramvel {

class TkvDatabase;

// Connects `baza` to the system database once the connection test passes.
// When it fails, after the test's own message, the user is told how to set the
// connection up and the operation ends with EPrzerwanie.
void PolaczZBazaSystemowa(TkvDatabase& baza);

// Registers the company `identyfikator` (the catalogue record's PodKatalog)
// with the description `opis` (its NazwaSkr), unless a row with both values
// is there already. One transaction; the values go in as statement parameters
// and are stored exactly as given. A failing statement is shown in the
// database error window and ends with EPrzerwanie, nothing of it kept.
void ZarejestrujFirme(const std::string& identyfikator, const std::string& opis);

}  // namespace ramvel
