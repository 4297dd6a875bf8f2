#include "archive/pomoc/zapis_kvr.h"

#include <fstream>
#include <stdexcept>

#include "archive/kvr/paczki.h"

namespace ramvel::testy {

uint32_t DataDos(int rok, int miesiac, int dzien, int godzina, int minuta, int sekunda) {
    const uint32_t data = static_cast<uint32_t>(((rok - 1980) << 9) | (miesiac << 5) | dzien);
    const uint32_t czas = static_cast<uint32_t>((godzina << 11) | (minuta << 5) | (sekunda / 2));
    return (data << 16) | czas;
}

std::string Int32Le(int32_t wartosc) {
    const auto w = static_cast<uint32_t>(wartosc);
    return {static_cast<char>(w), static_cast<char>(w >> 8), static_cast<char>(w >> 16), static_cast<char>(w >> 24)};
}

std::string Uint16Le(uint16_t wartosc) { return {static_cast<char>(wartosc), static_cast<char>(wartosc >> 8)}; }

TZapisKvr::TZapisKvr(const std::string& wersja) : FBajty("K#V#R" + wersja) {
    static const std::string kWlasna = "@101@";
    FZDatami = true;
    for (size_t i = 0; i < 5; ++i)
        FZDatami = FZDatami && static_cast<uint8_t>(wersja[i]) >= static_cast<uint8_t>(kWlasna[i]);
}

TZapisKvr& TZapisKvr::Plik(const std::string& nazwaCp1250, const std::string& dane, const TOpcjePliku& opcje) {
    FBajty += Int32Le(opcje.Rozmiar.value_or(static_cast<int32_t>(dane.size())));
    FBajty += Int32Le(static_cast<int32_t>(nazwaCp1250.size()));
    FBajty += nazwaCp1250;
    if (FZDatami)
        FBajty += Int32Le(static_cast<int32_t>(opcje.Data));
    // Whole pieces of 32,768 bytes; a piece shorter than that (0 included)
    // is the last.
    size_t pozycja = 0;
    for (;;) {
        const size_t ile = std::min<size_t>(32768, dane.size() - pozycja);
        const auto blok =
            KodujLzrw1KH(reinterpret_cast<const uint8_t*>(dane.data()) + pozycja, ile, opcje.Koder);
        FBajty += Uint16Le(static_cast<uint16_t>(blok.size()));
        FBajty.append(reinterpret_cast<const char*>(blok.data()), blok.size());
        pozycja += ile;
        if (ile < 32768)
            break;
    }
    FBajty += Uint16Le(opcje.ZnacznikKonca);
    FKonce.push_back(FBajty.size());
    return *this;
}

TZapisKvr& TZapisKvr::Terminator() {
    FBajty += Int32Le(0);
    return *this;
}

TZapisKvr& TZapisKvr::Surowe(const std::string& bajty) {
    FBajty += bajty;
    return *this;
}

std::vector<std::string> Potnij(const std::string& strumien, size_t rozmiar) {
    std::vector<std::string> paczki;
    for (size_t pozycja = 0; pozycja < strumien.size(); pozycja += rozmiar)
        paczki.push_back(strumien.substr(pozycja, rozmiar));
    if (paczki.empty())
        paczki.emplace_back();
    return paczki;
}

void ZapiszPaczki(const std::string& pierwsza, const std::vector<std::string>& paczki) {
    std::string nazwa = pierwsza;
    for (const auto& paczka : paczki) {
        std::ofstream plik(nazwa, std::ios::binary | std::ios::trunc);
        plik.write(paczka.data(), static_cast<std::streamsize>(paczka.size()));
        if (!plik)
            throw std::runtime_error("nie można zapisać " + nazwa);
        nazwa = NazwaNastepnejPaczki(nazwa);
    }
}

}  // namespace ramvel::testy
