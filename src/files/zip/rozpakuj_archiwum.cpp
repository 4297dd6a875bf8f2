#include "files/zip/rozpakuj_archiwum.h"

#include <fnmatch.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "files/zip/format_zip.h"
#include "files/zip/katalog_centralny.h"
#include "files/zip/kody_zip.h"
#include "files/zip/rozpakuj_pozycje.h"
#include "ui/zdarzenia_okien.h"

namespace ramvel {

using namespace formatzip;

namespace {

// A self-extractor's stub is searched within min(size, 262143) less a quarter.
constexpr uint64_t ZasiegSzukaniaStubu = 262143;

bool PasujeDoMaski(const std::string& nazwa, const std::string& maska) {
    if (maska.empty() || maska == "*.*" || maska == "*")
        return true;
    return fnmatch(maska.c_str(), nazwa.c_str(), FNM_CASEFOLD) == 0;
}

// What the sums in the reports hold: 32-bit fields, wrapping as they did.
int32_t Pole32Raportu(int64_t wartosc) {
    return static_cast<int32_t>(static_cast<uint32_t>(wartosc));
}

}  // namespace

int64_t ZnajdzPoczatekArchiwum(IZrodloZip& zrodlo) {
    const uint64_t rozmiar = zrodlo.Rozmiar();
    uint8_t poczatek[4];
    if (rozmiar >= 4 && CzytajDokladnie(zrodlo, 0, poczatek, 4) && Pole32(poczatek) == SygnaturaLokalna)
        return 0;
    if (rozmiar <= 4)
        return KodZip::NieJestZip;
    const uint64_t zasieg = std::min(rozmiar, ZasiegSzukaniaStubu);
    std::vector<uint8_t> bajty(static_cast<size_t>(zasieg - zasieg / 4));
    if (!CzytajDokladnie(zrodlo, 0, bajty.data(), bajty.size()))
        return KodZip::NieJestZip;
    for (size_t i = 0; i + 4 <= bajty.size(); ++i)
        if (Pole32(&bajty[i]) == SygnaturaLokalna)
            return static_cast<int64_t>(i);
    return KodZip::NieJestZip;
}

bool JestArchiwumZip(const std::string& sciezka) {
    const auto zrodlo = TZrodloPliku::Otworz(sciezka);
    return zrodlo && ZnajdzPoczatekArchiwum(*zrodlo) >= 0;
}

int32_t RozpakujArchiwum(const std::string& archiwum, const std::string& katalogDocelowy, const std::string& maska,
                         const TRaportZipProc& raport) {
    if (archiwum.empty() || katalogDocelowy.empty())
        return KodZip::ZlyParametr;
    // A directory, or a file that cannot be read, is no archive.
    const auto zrodlo = TZrodloPliku::Otworz(archiwum);
    if (!zrodlo)
        return KodZip::NieJestZip;
    return RozpakujArchiwum(*zrodlo, archiwum, katalogDocelowy, maska, raport, false);
}

int32_t RozpakujArchiwum(IZrodloZip& zrodlo, const std::string& archiwum, const std::string& katalogDocelowy,
                         const std::string& maska, const TRaportZipProc& raport, bool tylkoTest) {
    if (archiwum.empty() || katalogDocelowy.empty())
        return KodZip::ZlyParametr;
    std::string katalog = katalogDocelowy;
    if (katalog.back() != '/')
        katalog += '/';
    if (ZnajdzPoczatekArchiwum(zrodlo) < 0)
        return KodZip::NieJestZip;

    TRaportZip rekord;
    std::memset(&rekord, 0, sizeof rekord);
    auto zglos = [&](int32_t wartosc) {
        if (raport)
            raport(wartosc, rekord);
    };
    TKatalogCentralny katalogCentralny;
    if (katalogCentralny.Otworz(zrodlo) != 0)
        return KodZip::BladKatalogu;

    TPozycjaKatalogu wpis;
    if (raport) {
        int64_t rozmiar = 0, spakowany = 0;
        while (katalogCentralny.Nastepna(wpis) == 0) {
            rozmiar += wpis.Rozmiar;
            spakowany += wpis.RozmiarSpakowany;
        }
        katalogCentralny.Przewin();
        UstawNazweRaportu(rekord, archiwum);
        rekord.Rozmiar = Pole32Raportu(rozmiar);
        rekord.RozmiarSpakowany = Pole32Raportu(spakowany);
        rekord.Stopien = Stopien(spakowany, rozmiar);
        rekord.Status = RaportZip::Poczatek;
        zglos(RaportZip::Poczatek);
    }

    TNasluchPrzerwania nasluch;
    int32_t udanych = 0;
    int64_t sumaRozmiarow = 0, sumaSpakowanych = 0;
    const auto raportBloku = [&](int32_t zapisano) {
        rekord.Status = RaportZip::Blok;
        zglos(zapisano);
    };
    while (katalogCentralny.Nastepna(wpis) == 0) {
        if (!PasujeDoMaski(wpis.Nazwa, maska))
            continue;
        sumaRozmiarow += wpis.Rozmiar;
        sumaSpakowanych += wpis.RozmiarSpakowany;

        UstawNazweRaportu(rekord, katalog + wpis.Nazwa);
        rekord.Czas = static_cast<int32_t>(wpis.CzasDos);
        rekord.Rozmiar = Pole32Raportu(wpis.Rozmiar);
        rekord.RozmiarSpakowany = Pole32Raportu(wpis.RozmiarSpakowany);
        rekord.Atrybuty = wpis.Atrybuty();
        rekord.Metoda = wpis.Metoda;
        rekord.Stopien = Stopien(wpis.RozmiarSpakowany, wpis.Rozmiar);
        rekord.JestKatalogiem = wpis.JestKatalogiem() ? 1 : 0;
        rekord.Status = RaportZip::Pozycja;
        zglos(RaportZip::Pozycja);

        const int32_t kod = RozpakujPozycje(zrodlo, wpis, katalog, tylkoTest, raportBloku);
        if (kod == 0) {
            ++udanych;
            rekord.Status = RaportZip::Sukces;
            zglos(RaportZip::Sukces);
        } else if (BladPozycjiNieKonczy(kod)) {
            rekord.Status = RaportZip::BladPozycji;
            zglos(kod);
        } else {
            rekord.Status = kod;
            zglos(KodZip::BladKrytyczny);
            return kod;
        }
    }

    UstawNazweRaportu(rekord, archiwum);
    rekord.Czas = -1;
    rekord.Rozmiar = Pole32Raportu(sumaRozmiarow);
    rekord.RozmiarSpakowany = Pole32Raportu(sumaSpakowanych);
    rekord.Atrybuty = -1;
    rekord.Metoda = 0;
    rekord.Stopien = Stopien(sumaSpakowanych, sumaRozmiarow);
    rekord.JestKatalogiem = 0;
    rekord.Status = RaportZip::Koniec;
    zglos(RaportZip::Koniec);
    return udanych;
}

}  // namespace ramvel
