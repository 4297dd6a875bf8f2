#pragma once
// The main window's logic: settings, page switching and the handlers that the
// window forwards to. The window itself only draws TFormaGlowna.
#include <memory>
#include <string>

#include "app/forma_glowna.h"
#include "app/lista_firm.h"
#include "platform/plik_ini.h"

namespace ramvel {

class IPostep;

class TGlowna {
public:
    // FormCreate: caption, settings file, stored choices.
    TGlowna(IWidokGlowny& widok, std::string plikUstawien);
    // FormClose: stores the settings.
    ~TGlowna();
    TGlowna(const TGlowna&) = delete;
    TGlowna& operator=(const TGlowna&) = delete;

    TFormaGlowna& Forma() { return FForma; }
    const TFormaGlowna& Forma() const { return FForma; }
    void Odswiez() { FWidok.Odswiez(FForma); }

    // Handlers. Each runs inside ObsluzZdarzenie (obsluga.h) when the window calls it.
    void FormActivate();
    void FormClose();
    void rgRodzKopiiClick(int element);
    void btnAnulujClick();
    void btnCofnijClick();
    void rbRozpakDoFirmyClick();
    void rpRozpakWInneClick();
    void btnStartClick();
    void slbtnInnaLokClick();
    void slBtnRozpakujClick();
    void cmbKopieChange(int indeks);
    void cmbDataKopiiChange(int indeks);
    void cbAcceptClick(bool zaznaczony);
    void btnOdtworzClick();

    // Operations the other flows use.
    std::string NazwaPlikuBazy(const std::string& nazwaPodstawowa) const;
    void ZablokujPrzyciski(bool zablokuj);
    void PokazSciezkeRozpakowania(bool pokaz);
    std::string CzytajUstawienie(const std::string& sekcja, const std::string& klucz);
    void ZapiszUstawienie(const std::string& sekcja, const std::string& klucz, const std::string& wartosc);

    // Whether the last restore ended with the success verdict.
    bool OstatnieOdtworzenieUdane() const { return FOdtworzenieUdane; }

    TListaFirm FListaFirm;  // the companies found by the last ZnajdzKopie
    std::string FKatalogBazy;
    std::string FRozszerzenieBazy;

private:
    // The restore (glowna_odtworz.cpp).
    void Odtworz();

    // The catalogue (glowna_katalog.cpp).
    void ZnajdzKopie();
    void SortujKopie();

    void WczytajUstawienia();
    void ZapiszUstawienia();

    IWidokGlowny& FWidok;
    TFormaGlowna FForma;
    std::unique_ptr<TPlikIni> FUstawienia;
    std::unique_ptr<IPostep> FPostep;  // the shared progress window of the ZIP extraction
    bool FZamknieta = false;
    bool FOdtworzenieUdane = false;
};

// "Ramvel dla programu Morvanta PRO " + the program's file version.
std::string TytulOknaGlownego();

}  // namespace ramvel
