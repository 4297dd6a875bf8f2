#include "db/kv_serwer_info.h"

#include <ibase.h>

#include "db/blad_firebird.h"
#include "db/lokalizacja_bazy.h"
#include "db/serwis.h"
#include "platform/bledy.h"
#include "platform/cp1250.h"

namespace ramvel {
namespace {

// The user name and password are not defined on the server.
constexpr int32_t kLoginOdrzucony = 335544472;

uint8_t BajtNa(const std::string& bajty, size_t pozycja) {
    if (pozycja >= bajty.size())
        throw EBlad(kZlaOdpowiedzSerwisu);
    return static_cast<uint8_t>(bajty[pozycja]);
}

// A text item's bytes after its item byte at `pozycja`; moves past them.
std::string CzytajTekst(const std::string& bajty, size_t& pozycja) {
    const size_t dlugosc = CzytajLiczbeLE(bajty, pozycja + 1, 2);
    const size_t poczatek = pozycja + 3;
    if (poczatek > bajty.size() || bajty.size() - poczatek < dlugosc)
        throw EBlad(kZlaOdpowiedzSerwisu);
    pozycja = poczatek + dlugosc;
    return bajty.substr(poczatek, dlugosc);
}

}  // namespace

void SprawdzOdpowiedzKonfiguracji(const std::string& odpowiedz) {
    size_t pozycja = 0;
    for (;;) {
        const uint8_t element = BajtNa(odpowiedz, pozycja);
        if (element == isc_info_end)
            return;
        if (element == isc_info_svc_get_config) {
            ++pozycja;
            while (BajtNa(odpowiedz, pozycja) != isc_info_flag_end) {
                const size_t dlugosc = CzytajLiczbeLE(odpowiedz, pozycja + 1, 2);
                pozycja += 3;
                if (odpowiedz.size() - pozycja < dlugosc)
                    throw EBlad(kZlaOdpowiedzSerwisu);
                pozycja += dlugosc;
            }
            ++pozycja;
        } else if (element >= isc_info_svc_user_dbpath && element <= isc_info_svc_get_env_msg) {
            CzytajTekst(odpowiedz, pozycja);
        } else {
            throw EBlad(kZlaOdpowiedzSerwisu);
        }
    }
}

TWersjaSerwera CzytajOdpowiedzWersji(const std::string& odpowiedz) {
    TWersjaSerwera wynik;
    bool sa[3] = {false, false, false};
    size_t pozycja = 0;
    for (;;) {
        const uint8_t element = BajtNa(odpowiedz, pozycja);
        if (element == isc_info_end)
            break;
        if (element < isc_info_svc_version || element > isc_info_svc_implementation ||
            sa[element - isc_info_svc_version])
            throw EBlad(kZlaOdpowiedzSerwisu);
        sa[element - isc_info_svc_version] = true;
        if (element == isc_info_svc_version) {
            wynik.WersjaUslug = CzytajLiczbeLE(odpowiedz, pozycja + 1, 4);
            pozycja += 5;
        } else if (element == isc_info_svc_server_version) {
            wynik.Wersja = Cp1250NaUtf8(CzytajTekst(odpowiedz, pozycja));
        } else {
            wynik.Implementacja = Cp1250NaUtf8(CzytajTekst(odpowiedz, pozycja));
        }
    }
    if (!(sa[0] && sa[1] && sa[2]))
        throw EBlad(kZlaOdpowiedzSerwisu);
    return wynik;
}

TkvSerwerInfo::TkvSerwerInfo(bool czytajUstawienia) {
    if (!czytajUstawienia)
        return;
    TLokalizacjaBazyFile ustawienia;
    ustawienia.Czytaj();
    NazwaSerwera = ustawienia.NazwaSerwera;
    Zdalna = ustawienia.Zdalna;
    Protokol = ustawienia.Protokol;
}

void TkvSerwerInfo::Pobierz(std::string& wersja, std::string& implementacja) {
    const std::string serwer = NazwaSerwera.empty() && !Zdalna ? std::string("localhost") : NazwaSerwera;
    TPolaczenieSerwisu serwis(NazwaUslugi(ProtokolSerwisu(Zdalna, Protokol), serwer));
    SprawdzOdpowiedzKonfiguracji(serwis.Zapytaj(std::string(1, static_cast<char>(isc_info_svc_get_config))));
    const char pytanie[] = {isc_info_svc_version, isc_info_svc_server_version, isc_info_svc_implementation};
    const TWersjaSerwera odpowiedz = CzytajOdpowiedzWersji(serwis.Zapytaj(std::string(pytanie, sizeof pytanie)));
    serwis.Odlacz();
    wersja = odpowiedz.Wersja;
    implementacja = odpowiedz.Implementacja;
}

void PobierzWersjeSerwera(std::string& wersja, std::string& implementacja) {
    wersja.clear();
    implementacja.clear();
    TkvSerwerInfo info(true);
    try {
        info.Pobierz(wersja, implementacja);
    } catch (const EBladFirebird& blad) {
        if (blad.KodBledu != kLoginOdrzucony)
            throw;
        wersja = kWersjaNieznana;
        implementacja = kWersjaNieznana;
    }
}

}  // namespace ramvel
