#include "app/baza_lokalna.h"

#include "files/napedy.h"
#include "files/teksty.h"

namespace ramvel {

bool BazaLokalna(const TPlikIni& bazaSet) {
    // The raw texts, not the connection settings' reading of them: a missing
    // SERWER_NAME must not count as "localhost" here.
    if (bazaSet.CzytajTekst("MAIN", "REMOTE") == "0")
        return true;
    const auto serwer = bazaSet.Czytaj("MAIN", "SERWER_NAME");
    if (!serwer)
        return false;
    return (!serwer->empty() && TekstyRowne(*serwer, NazwaKomputera())) || TekstyRowne(*serwer, "localhost");
}

}  // namespace ramvel
