// The main window's catalogue: the "Start" button's search for backups, the
// two lists of page 2 with the chosen backup's details, and the browse
// buttons of both path boxes.
#include "app/baza_lokalna.h"
#include "app/glowna.h"
#include "app/szczegoly_kopii.h"
#include "app/szukaj_kopii.h"
#include "app/zrodla_kopii.h"
#include "db/lokalizacja_bazy.h"
#include "files/sciezki.h"
#include "platform/plik_ini.h"
#include "platform/srodowisko.h"
#include "ui/komunikaty.h"
#include "ui/wybor_katalogu.h"

namespace ramvel {
namespace {

std::string KomunikatZnalezionych(int ileFirm) {
    if (ileFirm == 1)
        return "Znaleziono kopię jednej firmy.";
    return "Znaleziono kopię " + std::to_string(ileFirm) + " firm.";
}

}  // namespace

void TGlowna::btnStartClick() { ZnajdzKopie(); }

void TGlowna::ZnajdzKopie() {
    // baza.set is found the way Windows finds it: in any letter case.
    const auto plikBazySet = ZnajdzPlikBezWielkosciLiter(PolaczSciezke(KatalogProgramu(), "baza.set"));
    if (!plikBazySet) {
        KomunikatInfo("Niewłaściwe miejsce uruchomienia programu. Nie można znależć katalogu danych.^"
                      "Program zostanie zakończony.");
        FWidok.Zamknij();
        return;
    }
    FListaFirm.Wyczysc();
    if (!BazaLokalna(TPlikIni(*plikBazySet))) {
        KomunikatInfo("Program współpracuje tylko z lokalną bazą danych.^Program zostanie zakończony.");
        FWidok.Zamknij();
        return;
    }
    {
        // The same reading as every connection's: a missing extension is the
        // ".gdb" the server's databases carry, not none at all.
        TLokalizacjaBazyFile lokalizacja(*plikBazySet);
        lokalizacja.Czytaj();
        FKatalogBazy = lokalizacja.KatalogBazy;
        FRozszerzenieBazy = lokalizacja.RozszerzenieBazy;
    }

    const TKatalogiZrodla zrodlo = KatalogiZrodla(FForma.RodzKopii, KatalogProgramu(), FForma.PathInnaLok);
    if (zrodlo.Stan == TStanZrodla::Rezygnacja)
        return;
    if (zrodlo.Stan == TStanZrodla::BrakKatalogu) {
        FWidok.FokusNaPathInnaLok();
        return;
    }
    for (const std::string& katalog : zrodlo.Katalogi)
        SzukajKopii(katalog, FListaFirm);

    if (FListaFirm.Pusta()) {
        KomunikatInfo("Nie znaleziono kopii żadnej firmy.");
        return;
    }
    KomunikatInfo(KomunikatZnalezionych(FListaFirm.Ilosc()));
    FForma.Wysokosc = kWysokoscStrony2;
    FForma.Strona = 2;
    Odswiez();
    SortujKopie();
}

void TGlowna::SortujKopie() {
    FListaFirm.Sortuj();
    FForma.Firmy.clear();
    for (int i = 0; i < FListaFirm.Ilosc(); ++i)
        FForma.Firmy.push_back(FListaFirm.Firma(i)->Klucz);
    cmbKopieChange(0);
}

void TGlowna::cmbKopieChange(int indeks) {
    const TFirma* firma = FListaFirm.Firma(indeks);
    if (!firma)
        return;
    FForma.WybranaFirma = indeks;
    FForma.Kopie.clear();
    for (const auto& kopia : firma->Kopie)
        FForma.Kopie.push_back(PozycjaListyKopii(*kopia));
    cmbDataKopiiChange(static_cast<int>(FForma.Kopie.size()) - 1);
}

void TGlowna::cmbDataKopiiChange(int indeks) {
    FForma.WybranaKopia = indeks;
    TSzczegolyKopii szczegoly;
    if (const TRekKat* kopia = FListaFirm.Kopia(FForma.WybranaFirma, indeks))
        szczegoly = SzczegolyKopii(*kopia);
    FForma.Ident = szczegoly.Ident;
    FForma.Opis = szczegoly.Opis;
    FForma.DataCzas = szczegoly.DataCzas;
    FForma.IlDysk = szczegoly.IlDysk;
    FForma.DaneLic = szczegoly.DaneLic;
    FForma.DaneProg = szczegoly.DaneProg;
    FForma.Akceptacja = false;
    Odswiez();
}

void TGlowna::slbtnInnaLokClick() {
    FForma.PathInnaLok = WybierzKatalog(FForma.PathInnaLok, false, "Podaj katalog w którym jest kopia", "Podaj katalog");
    Odswiez();
}

void TGlowna::slBtnRozpakujClick() {
    FForma.PathRozpakuj =
        WybierzKatalog(FForma.PathRozpakuj, false, "Podaj katalog do którego odtworzyć dane", "Podaj katalog");
    Odswiez();
}

}  // namespace ramvel
