#include "files/zip/rozpakuj_pozycje.h"

#include <algorithm>

#include "files/zip/blokada_zip.h"
#include "files/zip/cel_pozycji.h"
#include "files/zip/dekompresja.h"
#include "files/zip/format_zip.h"
#include "files/zip/kody_zip.h"
#include "files/zip/naglowek_lokalny.h"
#include "platform/srodowisko.h"
#include "ui/zdarzenia_okien.h"

namespace ramvel {

using namespace formatzip;

namespace {

// Holds the in-use marker for the entry's whole extraction.
class TZajecieBlokady {
public:
    TZajecieBlokady() : FZajeta(BlokadaZip().Zajmij(LicznikMs())) {}
    ~TZajecieBlokady() {
        if (FZajeta)
            BlokadaZip().Zwolnij();
    }
    TZajecieBlokady(const TZajecieBlokady&) = delete;
    TZajecieBlokady& operator=(const TZajecieBlokady&) = delete;
    bool Zajeta() const { return FZajeta; }

private:
    bool FZajeta;
};

// Between blocks the window gets its messages handled, and whenever the share
// of the data read moves by a whole percent the stop key is looked at.
class TKrokPozycji : public IKrokWejscia {
public:
    explicit TKrokPozycji(uint64_t rozmiarSpakowany) : FRozmiarSpakowany(rozmiarSpakowany) {}

    int32_t Krok(uint64_t przeczytano) override {
        ZdarzeniaOkien().PrzetworzZdarzenia();
        BlokadaZip().Przetworzono(LicznikMs());
        if (FRozmiarSpakowany == 0)
            return 0;
        const int procent = static_cast<int>(std::min<uint64_t>(100, przeczytano * 100 / FRozmiarSpakowany));
        if (procent == FProcent)
            return 0;
        FProcent = procent;
        return ZdarzeniaOkien().PrzerwanieWcisniete() ? KodZip::Rezygnacja : 0;
    }

private:
    uint64_t FRozmiarSpakowany;
    int FProcent = -1;
};

// The test's destination: takes every block and keeps none.
class TBezZapisu : public ICelDanych {
public:
    bool Zapisz(const uint8_t*, size_t) override { return true; }
};

}  // namespace

int32_t RozpakujPozycje(IZrodloZip& archiwum, const TPozycjaKatalogu& wpis, const std::string& katalogDocelowy,
                        bool tylkoTest, const std::function<void(int32_t)>& raportBloku) {
    TZajecieBlokady blokada;
    if (!blokada.Zajeta())
        return KodZip::Zablokowany;

    TNaglowekLokalny naglowek;
    if (const int32_t kod = CzytajNaglowekLokalny(archiwum, wpis.PozycjaNaglowka, naglowek); kod != 0)
        return kod;
    // With bit 3 the local header's sizes and CRC are zeros or guesses, and the
    // data descriptor after the data may or may not begin with a signature;
    // the central directory holds the true values.
    const bool opisPoDanych = (naglowek.Flagi & FlagaOpisPoDanych) != 0;
    const uint64_t rozmiarSpakowany = opisPoDanych ? wpis.RozmiarSpakowany : naglowek.RozmiarSpakowany;
    const uint64_t rozmiar = opisPoDanych ? wpis.Rozmiar : naglowek.Rozmiar;
    const uint32_t oczekiwanyCrc = opisPoDanych ? wpis.Crc : naglowek.Crc;
    if (!MetodaObslugiwana(naglowek.Metoda))
        return KodZip::NieobslugiwanaMetoda;
    if (naglowek.Flagi & FlagaZakodowany)
        return KodZip::Zakodowany;
    const uint64_t poczatekDanych = naglowek.PoczatekDanych(wpis.PozycjaNaglowka);

    TCelPozycji plik;
    TBezZapisu bezZapisu;
    if (!tylkoTest) {
        if (!plik.Utworz(katalogDocelowy, wpis.Nazwa, wpis.JestKatalogiem()))
            return KodZip::BladZapisu;
        if (wpis.JestKatalogiem())
            return 0;
    } else if (wpis.JestKatalogiem()) {
        return 0;
    }
    ICelDanych& cel = tylkoTest ? static_cast<ICelDanych&>(bezZapisu) : plik;

    TKrokPozycji krok(rozmiarSpakowany);
    TWejscieZip wejscie(archiwum, poczatekDanych, rozmiarSpakowany, &krok);
    TWyjscieZip wyjscie(cel, RozmiarBlokuMetody(naglowek.Metoda), rozmiar, raportBloku);
    int32_t kod = wejscie.Krok();
    if (kod == 0)
        kod = Dekompresuj(naglowek.Metoda, naglowek.Flagi, rozmiar, wejscie, wyjscie);
    // Data that decodes to another size than declared is damaged, whatever
    // its checksum says.
    if (kod == 0 && wyjscie.Zapisano() != rozmiar)
        kod = KodZip::BladFormatu;
    if (kod == 0 && wyjscie.Crc() != oczekiwanyCrc)
        kod = KodZip::BladCrc;
    if (kod != 0) {
        plik.Usun();
        return kod;
    }
    if (!tylkoTest && !plik.Zakoncz(naglowek.CzasDos, wpis.Atrybuty()))
        return KodZip::BladZapisu;
    return 0;
}

}  // namespace ramvel
