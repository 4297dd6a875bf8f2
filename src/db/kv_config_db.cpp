#include "db/kv_config_db.h"

#include <ibase.h>

#include <chrono>
#include <thread>

#include "db/lokalizacja_bazy.h"
#include "db/serwis.h"
#include "files/kursor.h"
#include "files/sciezki.h"
#include "platform/bledy.h"

namespace ramvel {

std::string NazwaBazyDoKonfiguracji(const std::string& katalog, const std::string& plikBazy,
                                    const std::string& rozszerzenie) {
    std::string nazwa = PolaczSciezke(katalog, plikBazy);
    if (nazwa.find(rozszerzenie) == std::string::npos)
        nazwa += rozszerzenie;
    return nazwa;
}

std::string ZadanieTrybuZapisu(const std::string& nazwaBazy, bool synchroniczny) {
    TBlokSerwisu zadanie;
    zadanie.Bajt(isc_action_svc_properties);
    zadanie.Tekst(isc_spb_dbname, nazwaBazy);
    zadanie.Bajt(isc_spb_prp_write_mode).Bajt(synchroniczny ? isc_spb_prp_wm_sync : isc_spb_prp_wm_async);
    return zadanie.Bajty();
}

void TkvConfigDb::UstawTrybZapisu(bool synchroniczny) {
    TLokalizacjaBazyFile ustawienia;
    ustawienia.Czytaj();
    TPolaczenieSerwisu serwis(NazwaUslugiZUstawien(ustawienia));
    const std::string nazwa = NazwaBazyDoKonfiguracji(KatalogBazy.empty() ? ustawienia.KatalogBazy : KatalogBazy,
                                                      PlikBazy, ustawienia.RozszerzenieBazy);
    TKursorCzekania kursor;
    serwis.Uruchom(ZadanieTrybuZapisu(nazwa, synchroniczny));
    const std::string pytanie(1, static_cast<char>(isc_info_svc_running));
    for (;;) {
        const std::string& odpowiedz = serwis.Zapytaj(pytanie);
        if (static_cast<uint8_t>(odpowiedz[0]) != isc_info_svc_running)
            throw EBlad(kZlaOdpowiedzSerwisu);
        if (CzytajLiczbeLE(odpowiedz, 1, 4) != 1)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    serwis.Odlacz();
}

}  // namespace ramvel
