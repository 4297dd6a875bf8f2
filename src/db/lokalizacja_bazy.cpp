#include "db/lokalizacja_bazy.h"

#include <cctype>

#include "files/sciezki.h"
#include "platform/bledy.h"
#include "platform/plik_ini.h"
#include "platform/srodowisko.h"
#include "ui/komunikaty.h"

namespace ramvel {
namespace {

const char* const kSekcja = "MAIN";

int CyfraSzesnastkowa(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Empty when the key is missing or holds an empty value.
std::string TekstNiepusty(const TPlikIni& ini, const char* klucz) {
    return ini.Czytaj(kSekcja, klucz).value_or(std::string());
}

}  // namespace

std::optional<int32_t> LiczbaUstawienia(const std::string& tekst) {
    size_t i = 0;
    bool ujemna = false;
    if (i < tekst.size() && (tekst[i] == '-' || tekst[i] == '+'))
        ujemna = tekst[i++] == '-';
    bool szesnastkowa = false;
    if (i < tekst.size() && tekst[i] == '$') {
        szesnastkowa = true;
        ++i;
    } else if (i + 1 < tekst.size() && tekst[i] == '0' && (tekst[i + 1] == 'x' || tekst[i + 1] == 'X')) {
        szesnastkowa = true;
        i += 2;
    }
    if (i == tekst.size())
        return std::nullopt;
    uint64_t wartosc = 0;
    for (; i < tekst.size(); ++i) {
        const int cyfra = szesnastkowa ? CyfraSzesnastkowa(tekst[i])
                                       : (std::isdigit(static_cast<unsigned char>(tekst[i])) ? tekst[i] - '0' : -1);
        if (cyfra < 0)
            return std::nullopt;
        wartosc = wartosc * (szesnastkowa ? 16 : 10) + static_cast<uint64_t>(cyfra);
        // Hexadecimal fills all 32 bits ($FFFFFFFF is -1); decimal stays within the signed range.
        if (wartosc > (szesnastkowa ? 0xFFFFFFFFull : (ujemna ? 0x80000000ull : 0x7FFFFFFFull)))
            return std::nullopt;
    }
    const auto bity = static_cast<uint32_t>(ujemna ? (0 - wartosc) : wartosc);
    return static_cast<int32_t>(bity);
}

TLokalizacjaBazyFile::TLokalizacjaBazyFile(const std::string& plik)
    : FPlik(plik.empty() ? PolaczSciezke(KatalogProgramu(), "baza.set") : plik),
      FIni(std::make_unique<TPlikIni>(FPlik)) {}

TLokalizacjaBazyFile::~TLokalizacjaBazyFile() = default;

void TLokalizacjaBazyFile::Czytaj() {
    try {
        const auto zdalna = FIni->Czytaj(kSekcja, "REMOTE");
        const auto zdalnaLiczba = zdalna ? LiczbaUstawienia(*zdalna) : std::nullopt;
        Zdalna = !zdalnaLiczba || *zdalnaLiczba != 0;

        NazwaSerwera = FIni->Czytaj(kSekcja, "SERWER_NAME").value_or("localhost");

        const auto protokol = FIni->Czytaj(kSekcja, "PROTOCOL_NAME");
        const auto protokolLiczba = protokol ? LiczbaUstawienia(*protokol) : std::nullopt;
        Protokol = static_cast<uint8_t>(protokolLiczba.value_or(0) & 0xFF);

        KatalogBazy = TekstNiepusty(*FIni, "DATABASE_DIR");
        if (KatalogBazy.empty())
            KatalogBazy = PolaczSciezke(KatalogProgramu(), "BAZA");

        KatalogWspolny = TekstNiepusty(*FIni, "SHARED_DIR");
        if (KatalogWspolny.empty())
            KatalogWspolny = PolaczSciezke(KatalogProgramu(), "SHARED");

        KatalogProfilu = TekstNiepusty(*FIni, "PROFIL_DIR");
        if (KatalogProfilu.empty())
            KatalogProfilu = KatalogWspolny;

        RozszerzenieBazy = TekstNiepusty(*FIni, "DATABASE_FILE_EXT");
        if (RozszerzenieBazy.empty())
            RozszerzenieBazy = ".gdb";
    } catch (const std::exception& blad) {
        KomunikatBlad(std::string("Błąd czytania ustawień dostępu do bazy danych.\r") + blad.what());
        throw EPrzerwanie();
    }
}

std::string SciezkaPolaczenia(bool zdalna, const std::string& nazwaSerwera, uint8_t protokol,
                              const std::string& plikBazy, const std::string& katalog) {
    const std::string sciezka = PolaczSciezke(katalog, plikBazy);
    if (!zdalna)
        return sciezka;
    switch (protokol) {
        case 0: return nazwaSerwera + ":" + sciezka;
        case 1: return "\\\\" + nazwaSerwera + "\\" + sciezka;
        case 2: return nazwaSerwera + "@" + sciezka;
        default: return {};
    }
}

TProtokolSerwisu ProtokolSerwisu(bool zdalna, uint8_t protokol) {
    if (!zdalna)
        return TProtokolSerwisu::psLokalny;
    switch (protokol) {
        case 0: return TProtokolSerwisu::psTCP;
        case 1: return TProtokolSerwisu::psNamedPipe;
        case 2: return TProtokolSerwisu::psSPX;
        default: return TProtokolSerwisu::psLokalny;
    }
}

std::string NazwaUslugi(TProtokolSerwisu protokol, const std::string& nazwaSerwera) {
    switch (protokol) {
        case TProtokolSerwisu::psTCP: return nazwaSerwera + ":service_mgr";
        case TProtokolSerwisu::psSPX: return nazwaSerwera + "@service_mgr";
        case TProtokolSerwisu::psNamedPipe: return "\\\\" + nazwaSerwera + "\\service_mgr";
        case TProtokolSerwisu::psLokalny: return "service_mgr";
    }
    return {};
}

}  // namespace ramvel
