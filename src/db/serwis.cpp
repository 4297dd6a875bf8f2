#include "db/serwis.h"

#include <limits>

#include "db/blad_firebird.h"
#include "db/lokalizacja_bazy.h"
#include "db/uzytkownik_bazy.h"
#include "platform/bledy.h"

namespace ramvel {
namespace {

bool JestBledem(const ISC_STATUS* status) { return status[0] == 1 && status[1] != 0; }

void DopiszLE(std::string& bajty, uint32_t wartosc, size_t dlugosc) {
    for (size_t i = 0; i < dlugosc; ++i)
        bajty += static_cast<char>((wartosc >> (8 * i)) & 0xFF);
}

}  // namespace

TBlokSerwisu& TBlokSerwisu::Bajt(uint8_t bajt) {
    FBajty += static_cast<char>(bajt);
    return *this;
}

TBlokSerwisu& TBlokSerwisu::Tekst(uint8_t pozycja, const std::string& tekst) {
    if (tekst.size() > std::numeric_limits<uint16_t>::max())
        throw EBlad("Nazwa pliku jest za długa dla serwera bazy danych: " + tekst.substr(0, 100) + "…");
    Bajt(pozycja);
    DopiszLE(FBajty, static_cast<uint32_t>(tekst.size()), 2);
    FBajty += tekst;
    return *this;
}

TBlokSerwisu& TBlokSerwisu::TekstKrotki(uint8_t pozycja, const std::string& tekst) {
    if (tekst.size() > std::numeric_limits<uint8_t>::max())
        throw EBlad("Parametr połączenia z serwerem bazy danych jest za długi.");
    Bajt(pozycja);
    Bajt(static_cast<uint8_t>(tekst.size()));
    FBajty += tekst;
    return *this;
}

TBlokSerwisu& TBlokSerwisu::Liczba(uint8_t pozycja, int32_t wartosc) {
    Bajt(pozycja);
    DopiszLE(FBajty, static_cast<uint32_t>(wartosc), 4);
    return *this;
}

std::string ParametryPolaczeniaSerwisu(const std::string& uzytkownik, const std::string& haslo) {
    TBlokSerwisu blok;
    blok.Bajt(isc_spb_version).Bajt(isc_spb_current_version);
    blok.TekstKrotki(isc_spb_user_name, uzytkownik).TekstKrotki(isc_spb_password, haslo);
    blok.TekstKrotki(isc_spb_config, kKonfiguracjaKlienta);
    return blok.Bajty();
}

std::string NazwaUslugiZUstawien(const TLokalizacjaBazyFile& ustawienia) {
    return NazwaUslugi(ProtokolSerwisu(ustawienia.Zdalna, ustawienia.Protokol), ustawienia.NazwaSerwera);
}

TPolaczenieSerwisu::TPolaczenieSerwisu(const std::string& nazwaUslugi) {
    const std::string parametry = ParametryPolaczeniaSerwisu(kUzytkownikBazy, HasloBazy());
    if (nazwaUslugi.size() > std::numeric_limits<unsigned short>::max())
        throw EBlad("Nazwa usługi serwera bazy danych jest za długa.");
    ISC_STATUS_ARRAY status{};
    isc_service_attach(status, static_cast<unsigned short>(nazwaUslugi.size()), nazwaUslugi.c_str(), &FUchwyt,
                       static_cast<unsigned short>(parametry.size()), parametry.data());
    if (JestBledem(status)) {
        FUchwyt = 0;
        throw EBladFirebird(status);
    }
}

TPolaczenieSerwisu::~TPolaczenieSerwisu() {
    if (FUchwyt) {
        ISC_STATUS_ARRAY status{};
        isc_service_detach(status, &FUchwyt);
    }
}

void TPolaczenieSerwisu::Uruchom(const std::string& zadanie) {
    if (zadanie.size() > std::numeric_limits<unsigned short>::max())
        throw EBlad("Zlecenie dla serwera bazy danych jest za długie.");
    ISC_STATUS_ARRAY status{};
    isc_service_start(status, &FUchwyt, nullptr, static_cast<unsigned short>(zadanie.size()), zadanie.data());
    if (JestBledem(status))
        throw EBladFirebird(status);
}

const std::string& TPolaczenieSerwisu::Zapytaj(const std::string& elementy) {
    if (elementy.size() > std::numeric_limits<unsigned short>::max())
        throw EBlad("Zapytanie do serwera bazy danych jest za długie.");
    FOdpowiedz.assign(kBuforOdpowiedziSerwisu, '\0');
    ISC_STATUS_ARRAY status{};
    isc_service_query(status, &FUchwyt, nullptr, 0, nullptr, static_cast<unsigned short>(elementy.size()),
                      elementy.data(), static_cast<unsigned short>(FOdpowiedz.size()), FOdpowiedz.data());
    if (JestBledem(status))
        throw EBladFirebird(status);
    return FOdpowiedz;
}

void TPolaczenieSerwisu::Odlacz() {
    if (!FUchwyt)
        return;
    ISC_STATUS_ARRAY status{};
    isc_service_detach(status, &FUchwyt);
    // The client drops the handle even when the detach reports an error.
    FUchwyt = 0;
    if (JestBledem(status))
        throw EBladFirebird(status);
}

uint32_t CzytajLiczbeLE(const std::string& bajty, size_t pozycja, size_t dlugosc) {
    if (pozycja > bajty.size() || bajty.size() - pozycja < dlugosc)
        throw EBlad(kZlaOdpowiedzSerwisu);
    uint32_t wartosc = 0;
    for (size_t i = 0; i < dlugosc; ++i)
        wartosc |= static_cast<uint32_t>(static_cast<uint8_t>(bajty[pozycja + i])) << (8 * i);
    return wartosc;
}

TLiniaSerwisu CzytajLinieSerwisu(const std::string& odpowiedz) {
    if (odpowiedz.empty() || static_cast<uint8_t>(odpowiedz[0]) != isc_info_svc_line)
        throw EBlad(kZlaOdpowiedzSerwisu);
    const size_t dlugosc = CzytajLiczbeLE(odpowiedz, 1, 2);
    const size_t koniecTekstu = 3 + dlugosc;
    if (koniecTekstu >= odpowiedz.size() || static_cast<uint8_t>(odpowiedz[koniecTekstu]) != isc_info_end)
        throw EBlad(kZlaOdpowiedzSerwisu);
    TLiniaSerwisu linia;
    linia.Koniec = dlugosc == 0;
    linia.Tekst = odpowiedz.substr(3, dlugosc);
    return linia;
}

}  // namespace ramvel
