#include "archiwa_testowe.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <stdexcept>

namespace ramvel::testy {
namespace {

void Dopisz16(std::string& s, uint32_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}
void Dopisz32(std::string& s, uint32_t v) {
    Dopisz16(s, v & 0xFFFF);
    Dopisz16(s, v >> 16);
}

// Bits least significant first, as ZIP packs them.
class TBity {
public:
    void Dopisz(uint32_t wartosc, unsigned ile) {
        for (unsigned i = 0; i < ile; ++i) {
            FBajt |= ((wartosc >> i) & 1u) << FLiczba;
            if (++FLiczba == 8) {
                FWynik += static_cast<char>(FBajt);
                FBajt = 0;
                FLiczba = 0;
            }
        }
    }
    // A code whose most significant bit goes first.
    void DopiszKod(uint32_t kod, unsigned dlugosc) {
        for (unsigned i = dlugosc; i-- > 0;)
            Dopisz((kod >> i) & 1u, 1);
    }
    std::string Koniec() {
        if (FLiczba)
            FWynik += static_cast<char>(FBajt);
        FLiczba = 0;
        FBajt = 0;
        return FWynik;
    }
    std::string& Bajty() { return FWynik; }

private:
    std::string FWynik;
    uint32_t FBajt = 0;
    unsigned FLiczba = 0;
};

}  // namespace

uint32_t Crc32(const std::string& dane) {
    return static_cast<uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(dane.data()), static_cast<uInt>(dane.size())));
}

std::string Deflate(const std::string& dane) {
    z_stream z{};
    if (deflateInit2(&z, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflateInit2");
    std::string wynik(deflateBound(&z, dane.size()), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(dane.data()));
    z.avail_in = static_cast<uInt>(dane.size());
    z.next_out = reinterpret_cast<Bytef*>(wynik.data());
    z.avail_out = static_cast<uInt>(wynik.size());
    if (deflate(&z, Z_FINISH) != Z_STREAM_END)
        throw std::runtime_error("deflate");
    wynik.resize(z.total_out);
    deflateEnd(&z);
    return wynik;
}

std::string ZbudujZip(const std::vector<TWpisTestowy>& wpisy, const std::string& przedrostek) {
    std::string lokalne, katalog;
    for (const auto& w : wpisy) {
        const std::string spakowane =
            w.Spakowane ? *w.Spakowane : w.Metoda == 8 ? Deflate(w.Dane) : w.Dane;
        const uint32_t crc = w.Crc ? *w.Crc : Crc32(w.Dane);
        const uint16_t flagi = static_cast<uint16_t>(w.Flagi | (w.OpisPoDanych ? 0x0008 : 0));
        const uint32_t pozycja = static_cast<uint32_t>(lokalne.size());
        Dopisz32(lokalne, 0x04034B50);
        Dopisz16(lokalne, 20);
        Dopisz16(lokalne, flagi);
        Dopisz16(lokalne, w.Metoda);
        Dopisz32(lokalne, w.CzasDos);
        Dopisz32(lokalne, w.OpisPoDanych ? 0 : crc);
        Dopisz32(lokalne, w.OpisPoDanych ? 0 : static_cast<uint32_t>(spakowane.size()));
        Dopisz32(lokalne, w.OpisPoDanych ? 0 : static_cast<uint32_t>(w.Dane.size()));
        Dopisz16(lokalne, static_cast<uint32_t>(w.Nazwa.size()));
        Dopisz16(lokalne, 0);
        lokalne += w.Nazwa + spakowane;
        if (w.OpisPoDanych) {
            Dopisz32(lokalne, 0x08074B50);
            Dopisz32(lokalne, crc);
            Dopisz32(lokalne, static_cast<uint32_t>(spakowane.size()));
            Dopisz32(lokalne, static_cast<uint32_t>(w.Dane.size()));
        }
        Dopisz32(katalog, 0x02014B50);
        Dopisz16(katalog, static_cast<uint32_t>(w.System) << 8 | 20);
        Dopisz16(katalog, 20);
        Dopisz16(katalog, flagi);
        Dopisz16(katalog, w.Metoda);
        Dopisz32(katalog, w.CzasDos);
        Dopisz32(katalog, crc);
        Dopisz32(katalog, static_cast<uint32_t>(spakowane.size()));
        Dopisz32(katalog, static_cast<uint32_t>(w.Dane.size()));
        Dopisz16(katalog, static_cast<uint32_t>(w.Nazwa.size()));
        Dopisz16(katalog, 0);
        Dopisz16(katalog, 0);
        Dopisz16(katalog, 0);
        Dopisz16(katalog, 0);
        Dopisz32(katalog, w.AtrybutyZewnetrzne);
        Dopisz32(katalog, pozycja);
        katalog += w.Nazwa;
    }
    std::string koniec;
    Dopisz32(koniec, 0x06054B50);
    Dopisz16(koniec, 0);
    Dopisz16(koniec, 0);
    Dopisz16(koniec, static_cast<uint32_t>(wpisy.size()));
    Dopisz16(koniec, static_cast<uint32_t>(wpisy.size()));
    Dopisz32(koniec, static_cast<uint32_t>(katalog.size()));
    Dopisz32(koniec, static_cast<uint32_t>(lokalne.size()));
    Dopisz16(koniec, 0);
    return przedrostek + lokalne + katalog + koniec;
}

namespace {

constexpr uint16_t Wolny = 0xFFFF;

// The encoder's copy of the decoder's table: kept in step by applying the
// same entering and clearing rules.
class TKoderShrink {
public:
    explicit TKoderShrink(TTrybShrink tryb) : FTryb(tryb) {
        for (unsigned k = 0; k < 8192; ++k)
            FPrefiks[k] = k < 256 ? static_cast<uint16_t>(k) : Wolny;
        for (unsigned k = 257; k < 8192; ++k)
            FKolejka.push_back(static_cast<uint16_t>(k));
    }

    std::string Koduj(const std::string& dane) {
        if (dane.empty())
            return {};
        uint16_t biezacy = static_cast<uint8_t>(dane[0]);
        uint16_t poprzedni = Wolny;
        for (size_t i = 1; i <= dane.size(); ++i) {
            if (i < dane.size()) {
                const uint8_t c = static_cast<uint8_t>(dane[i]);
                const auto znaleziony = FSlownik.find({biezacy, c});
                if (znaleziony != FSlownik.end()) {
                    biezacy = znaleziony->second;
                    continue;
                }
                Wyslij(biezacy);
                if (FTryb == TTrybShrink::KlasyczneLzw) {
                    Wpisz(biezacy, c);
                } else {
                    if (poprzedni != Wolny)
                        Wpisz(poprzedni, Pierwszy(biezacy));
                    poprzedni = biezacy;
                    if (FNastepny == FKolejka.size()) {
                        Wyslij(256);
                        Wyslij(2);
                        CzyscCzesciowo();
                        ++FCzyszczen;
                    }
                }
                biezacy = c;
            } else {
                Wyslij(biezacy);
            }
        }
        return FBity.Koniec();
    }

    TPrzebiegShrink Przebieg() const { return {FSzerokosc, FCzyszczen}; }

private:
    uint8_t Pierwszy(uint16_t kod) const {
        while (kod >= 256)
            kod = FPrefiks[kod];
        return static_cast<uint8_t>(kod);
    }

    void Wyslij(uint16_t kod) {
        // Commands go out at the current width; a code that does not fit
        // first widens the codes.
        while (kod >= (1u << FSzerokosc)) {
            FBity.Dopisz(256, FSzerokosc);
            FBity.Dopisz(1, FSzerokosc);
            ++FSzerokosc;
        }
        FBity.Dopisz(kod, FSzerokosc);
    }

    void Wpisz(uint16_t prefiks, uint8_t bajt) {
        if (FNastepny == FKolejka.size())
            return;
        const uint16_t kod = FKolejka[FNastepny++];
        FPrefiks[kod] = prefiks;
        FBajt[kod] = bajt;
        FSlownik[{prefiks, bajt}] = kod;
    }

    void CzyscCzesciowo() {
        std::array<bool, 8192> prefiks{};
        for (unsigned k = 257; k < 8192; ++k)
            if (FPrefiks[k] != Wolny)
                prefiks[FPrefiks[k]] = true;
        FKolejka.clear();
        FNastepny = 0;
        for (unsigned k = 257; k < 8192; ++k)
            if (!prefiks[k]) {
                if (FPrefiks[k] != Wolny) {
                    const auto it = FSlownik.find({FPrefiks[k], FBajt[k]});
                    if (it != FSlownik.end() && it->second == k)
                        FSlownik.erase(it);
                }
                FPrefiks[k] = Wolny;
                FKolejka.push_back(static_cast<uint16_t>(k));
            }
    }

    TTrybShrink FTryb;
    TBity FBity;
    unsigned FSzerokosc = 9;
    int FCzyszczen = 0;
    std::array<uint16_t, 8192> FPrefiks{};
    std::array<uint8_t, 8192> FBajt{};
    std::vector<uint16_t> FKolejka;
    size_t FNastepny = 0;
    std::map<std::pair<uint16_t, uint8_t>, uint16_t> FSlownik;
};

// A flat tree of `symboli` symbols, each with a code of `dlugosc` bits, in the
// stored form: a count byte, then bytes of 16 symbols each.
void DrzewoPlaskie(std::string& wynik, unsigned symboli, unsigned dlugosc) {
    const unsigned bajtow = symboli / 16;
    wynik += static_cast<char>(bajtow - 1);
    for (unsigned i = 0; i < bajtow; ++i)
        wynik += static_cast<char>(0xF0 | (dlugosc - 1));
}

}  // namespace

std::string Shrink(const std::string& dane, TTrybShrink tryb, TPrzebiegShrink* przebieg) {
    auto koder = std::make_unique<TKoderShrink>(tryb);
    std::string wynik = koder->Koduj(dane);
    if (przebieg)
        *przebieg = koder->Przebieg();
    return wynik;
}

std::string Implode(const std::string& dane, uint16_t flagi, bool odZera) {
    const bool literaly = (flagi & 4) != 0;
    const unsigned bityNiskie = (flagi & 2) ? 7 : 6;
    const size_t okno = size_t{1} << (bityNiskie + 6);
    const unsigned najkrotsze = literaly ? 3 : 2;
    const size_t najdluzsze = najkrotsze + 63 + 255;
    TBity bity;
    if (literaly)
        DrzewoPlaskie(bity.Bajty(), 256, 8);
    DrzewoPlaskie(bity.Bajty(), 64, 6);
    DrzewoPlaskie(bity.Bajty(), 64, 6);
    // With every code of one length the canonical code of a symbol is the
    // symbol itself, and the stored code its complement.
    const auto kod = [&](unsigned symbol, unsigned dlugosc) { bity.DopiszKod(~symbol & ((1u << dlugosc) - 1), dlugosc); };
    const auto bajt = [&](size_t pozycja, size_t odleglosc) -> int {
        return pozycja >= odleglosc ? static_cast<uint8_t>(dane[pozycja - odleglosc]) : 0;
    };
    for (size_t i = 0; i < dane.size();) {
        size_t najlepszaDlugosc = 0, najlepszaOdleglosc = 0;
        const size_t zasieg = odZera ? okno : std::min(okno, i);
        for (size_t odleglosc = 1; odleglosc <= zasieg; ++odleglosc) {
            size_t dlugosc = 0;
            while (i + dlugosc < dane.size() && dlugosc < najdluzsze &&
                   bajt(i + dlugosc, odleglosc) == static_cast<uint8_t>(dane[i + dlugosc]))
                ++dlugosc;
            if (dlugosc > najlepszaDlugosc) {
                najlepszaDlugosc = dlugosc;
                najlepszaOdleglosc = odleglosc;
            }
        }
        if (najlepszaDlugosc >= najkrotsze) {
            bity.Dopisz(0, 1);
            const size_t d = najlepszaOdleglosc - 1;
            bity.Dopisz(static_cast<uint32_t>(d & ((1u << bityNiskie) - 1)), bityNiskie);
            kod(static_cast<unsigned>(d >> bityNiskie), 6);
            const size_t l = najlepszaDlugosc - najkrotsze;
            kod(static_cast<unsigned>(std::min<size_t>(l, 63)), 6);
            if (l >= 63)
                bity.Dopisz(static_cast<uint32_t>(l - 63), 8);
            i += najlepszaDlugosc;
        } else {
            bity.Dopisz(1, 1);
            if (literaly)
                kod(static_cast<uint8_t>(dane[i]), 8);
            else
                bity.Dopisz(static_cast<uint8_t>(dane[i]), 8);
            ++i;
        }
    }
    return bity.Koniec();
}

}  // namespace ramvel::testy
