#include "files/zip/katalog_centralny.h"

#include <algorithm>

#include "files/zip/format_zip.h"
#include "files/zip/kody_zip.h"
#include "platform/cp1250.h"

namespace ramvel {

using namespace formatzip;

namespace {

constexpr size_t OknoSzukania = 4096;
// The original read the directory with one 32-bit request.
constexpr uint64_t NajwiekszyKatalog = 2147483631;

}  // namespace

int64_t ZnajdzRekordKonca(IZrodloZip& zrodlo) {
    const uint64_t rozmiar = zrodlo.Rozmiar();
    if (rozmiar == 0)
        return KodZip::BladDostepu;
    const size_t dlugoscOkna = static_cast<size_t>(std::min<uint64_t>(rozmiar, OknoSzukania));
    std::vector<uint8_t> okno(dlugoscOkna);
    uint64_t poczatek = rozmiar - dlugoscOkna;
    for (;;) {
        if (!CzytajDokladnie(zrodlo, poczatek, okno.data(), dlugoscOkna))
            return KodZip::BladDostepu;
        // A record needs its 22 bytes, so the search starts 22 before the end;
        // a window shorter than that holds none.
        if (dlugoscOkna >= DlugoscRekorduKonca)
            for (size_t i = dlugoscOkna - DlugoscRekorduKonca + 1; i-- > 0;)
                if (Pole32(&okno[i]) == SygnaturaKonca)
                    return static_cast<int64_t>(poczatek + i);
        if (poczatek == 0 || dlugoscOkna <= DlugoscRekorduKonca)
            return KodZip::BladDostepu;
        // Windows overlap by 22 bytes so that no record is cut in two.
        const uint64_t krok = dlugoscOkna - DlugoscRekorduKonca;
        poczatek = poczatek > krok ? poczatek - krok : 0;
    }
}

int32_t TKatalogCentralny::Otworz(IZrodloZip& zrodlo) {
    FDane.clear();
    FPozycja = FLiczbaPozycji = 0;
    const int64_t koniec = ZnajdzRekordKonca(zrodlo);
    if (koniec < 0)
        return static_cast<int32_t>(koniec);
    const uint64_t pozycjaKonca = static_cast<uint64_t>(koniec);
    if (pozycjaKonca < DlugoscNaglowkaKatalogu)
        return KodZip::BladKatalogu;
    uint8_t rekord[DlugoscRekorduKonca];
    if (!CzytajDokladnie(zrodlo, pozycjaKonca, rekord, sizeof rekord))
        return KodZip::BladDostepu;
    const uint16_t liczbaWpisow = Pole16(rekord + 10);
    const uint32_t rozmiarKatalogu = Pole32(rekord + 12);
    const uint32_t pozycjaKatalogu = Pole32(rekord + 16);

    // The directory's offset counts from the archive's first byte; a stub in
    // front (a self-extractor) moves everything by the difference between where
    // the directory ends up lying and where the record says it starts.
    FPrzesuniecie = 0;
    uint64_t poczatekKatalogu = pozycjaKatalogu;
    if (rozmiarKatalogu <= pozycjaKonca && pozycjaKonca - rozmiarKatalogu > pozycjaKatalogu) {
        const uint64_t rzeczywisty = pozycjaKonca - rozmiarKatalogu;
        uint8_t sygnatura[4];
        if (CzytajDokladnie(zrodlo, rzeczywisty, sygnatura, 4) && Pole32(sygnatura) == SygnaturaKatalogu) {
            FPrzesuniecie = rzeczywisty - pozycjaKatalogu;
            poczatekKatalogu = rzeczywisty;
        }
    }
    if (poczatekKatalogu > pozycjaKonca || pozycjaKonca + 4 - poczatekKatalogu > NajwiekszyKatalog)
        return KodZip::BladKatalogu;
    FDane.resize(static_cast<size_t>(pozycjaKonca + 4 - poczatekKatalogu));
    if (!CzytajDokladnie(zrodlo, poczatekKatalogu, FDane.data(), FDane.size()))
        return KodZip::BladDostepu;

    // A directory that ends before the count of its end record is damaged:
    // extracting only the entries before the damage would pass for success.
    TPozycjaKatalogu pozycja;
    while (Nastepna(pozycja) == 0)
        ++FLiczbaPozycji;
    FPozycja = 0;
    if (FLiczbaPozycji == 0 || (liczbaWpisow != 0xFFFF && FLiczbaPozycji < liczbaWpisow))
        return FLiczbaPozycji == 0 ? KodZip::KoniecPozycji : KodZip::BladKatalogu;
    return 0;
}

int32_t TKatalogCentralny::Nastepna(TPozycjaKatalogu& pozycja) {
    const size_t zostalo = FDane.size() - std::min(FPozycja, FDane.size());
    if (zostalo < 4)
        return KodZip::KoniecPozycji;
    const uint8_t* naglowek = FDane.data() + FPozycja;
    if (Pole32(naglowek) == SygnaturaKonca || zostalo < DlugoscNaglowkaKatalogu ||
        Pole32(naglowek) != SygnaturaKatalogu)
        return KodZip::KoniecPozycji;
    const size_t dlugoscNazwy = Pole16(naglowek + 28);
    const size_t dlugoscCalosci =
        DlugoscNaglowkaKatalogu + dlugoscNazwy + Pole16(naglowek + 30) + Pole16(naglowek + 32);
    if (zostalo < dlugoscCalosci)
        return KodZip::KoniecPozycji;

    pozycja.SystemTworcy = naglowek[5];
    pozycja.Flagi = Pole16(naglowek + 8);
    pozycja.Metoda = Pole16(naglowek + 10);
    pozycja.CzasDos = (static_cast<uint32_t>(Pole16(naglowek + 14)) << 16) | Pole16(naglowek + 12);
    pozycja.Crc = Pole32(naglowek + 16);
    pozycja.RozmiarSpakowany = Pole32(naglowek + 20);
    pozycja.Rozmiar = Pole32(naglowek + 24);
    pozycja.AtrybutyZewnetrzne = Pole32(naglowek + 38);
    pozycja.PozycjaNaglowka = Pole32(naglowek + 42) + FPrzesuniecie;
    const std::string_view surowa(reinterpret_cast<const char*>(naglowek + DlugoscNaglowkaKatalogu), dlugoscNazwy);
    // Names without the UTF-8 flag are Windows-1250, the code page of the
    // systems these archives come from.
    pozycja.Nazwa = (pozycja.Flagi & FlagaUtf8) ? std::string(surowa) : Cp1250NaUtf8(surowa);
    std::replace(pozycja.Nazwa.begin(), pozycja.Nazwa.end(), '\\', '/');
    FPozycja += dlugoscCalosci;
    return 0;
}

}  // namespace ramvel
