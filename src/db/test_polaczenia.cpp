#include "db/test_polaczenia.h"

#include "db/kv_database.h"
#include "db/lokalizacja_bazy.h"
#include "db/serwer_lokalny.h"
#include "files/kursor.h"
#include "platform/bledy.h"
#include "ui/komunikaty.h"

namespace ramvel {

void TTestDatabaseConnect::CzytajUstawienia() {
    TLokalizacjaBazyFile ustawienia;
    ustawienia.Czytaj();
    Zdalna = ustawienia.Zdalna;
    NazwaSerwera = ustawienia.NazwaSerwera;
    KatalogBazy = ustawienia.KatalogBazy;
    Protokol = ustawienia.Protokol;
    RozszerzenieBazy = ustawienia.RozszerzenieBazy;
    PlikBazy = kBazaSystemowa;
}

bool TTestDatabaseConnect::Testuj(bool pokazBlad) {
    OstatniBlad.clear();
    TKursorCzekania kursor;
    TkvDatabase baza;
    if (!Zdalna && !SerwerUruchomiony() &&
        KomunikatPytanie("Serwer bazy danych nie jest uruchomiony.^Czy uruchomić?")) {
        // Whatever the start said: the attach below tells whether it came up.
        UruchomSerwer();
        Odczekaj(2000);
    }
    try {
        baza.Zdalna = Zdalna;
        baza.NazwaSerwera = NazwaSerwera;
        baza.Protokol = Protokol;
        baza.KatalogBazy = KatalogBazy;
        baza.PlikBazy = PlikBazy;
        baza.RozszerzenieBazy = RozszerzenieBazy;
        baza.UstawPolaczenie();
        baza.Connected(true);
        return true;
    } catch (const EPrzerwanie&) {
        throw;
    } catch (const std::exception& blad) {
        OstatniBlad = blad.what();
        if (pokazBlad)
            KomunikatBlad("Błąd podczas łączenia z bazą danych.\r" + OstatniBlad);
        return false;
    }
}

}  // namespace ramvel
