#include "app/glowna.h"

#include "files/kursor.h"
#include "ui/postep.h"
#include "files/teksty.h"
#include "platform/wersja.h"
#include "ui/komunikaty.h"

namespace ramvel {
namespace {

const char* const kSekcja = "USTAWIENIA";

}  // namespace

std::string TytulOknaGlownego() { return "Ramvel dla programu Morvanta PRO " + WersjaProgramu("FileVersion"); }

TGlowna::TGlowna(IWidokGlowny& widok, std::string plikUstawien) : FWidok(widok) {
    {
        TKursorCzekania kursor(false, 0);
        FForma.Tytul = TytulOknaGlownego();
        FUstawienia = std::make_unique<TPlikIni>(std::move(plikUstawien));
        WczytajUstawienia();
    }
    FPostep = UtworzPostep();
    FormActivate();
}

TGlowna::~TGlowna() { FormClose(); }

void TGlowna::FormActivate() {
    FForma.Strona = 1;
    FForma.Wysokosc = kWysokoscStrony1;
    Odswiez();
}

void TGlowna::FormClose() {
    if (FZamknieta)
        return;
    FZamknieta = true;
    ZapiszUstawienia();
}

void TGlowna::rgRodzKopiiClick(int element) {
    FForma.RodzKopii = element;
    FForma.PathInnaLokWidoczna = element == kKopiaWInnejLokalizacji;
    Odswiez();
}

void TGlowna::btnAnulujClick() { FWidok.Zamknij(); }

void TGlowna::btnCofnijClick() { FormActivate(); }

void TGlowna::rbRozpakDoFirmyClick() {
    FForma.RozpakDoFirmy = true;
    PokazSciezkeRozpakowania(false);
}

void TGlowna::rpRozpakWInneClick() {
    FForma.RozpakDoFirmy = false;
    PokazSciezkeRozpakowania(true);
}

void TGlowna::cbAcceptClick(bool zaznaczony) { FForma.Akceptacja = zaznaczony; }

std::string TGlowna::NazwaPlikuBazy(const std::string& nazwaPodstawowa) const {
    const size_t kropka = nazwaPodstawowa.rfind('.');
    if (kropka == std::string::npos)
        return nazwaPodstawowa + FRozszerzenieBazy;
    return nazwaPodstawowa.substr(0, kropka) + FRozszerzenieBazy;
}

void TGlowna::ZablokujPrzyciski(bool zablokuj) {
    FForma.PrzyciskiZablokowane = zablokuj;
    Odswiez();
}

void TGlowna::PokazSciezkeRozpakowania(bool pokaz) {
    FForma.PathRozpakujWidoczna = pokaz;
    Odswiez();
}

std::string TGlowna::CzytajUstawienie(const std::string& sekcja, const std::string& klucz) {
    try {
        return FUstawienia->CzytajTekst(sekcja, klucz, "");
    } catch (const std::exception&) {
        KomunikatInfo("Nie można odczytać ustawień z pliku .INI");
        return {};
    }
}

void TGlowna::ZapiszUstawienie(const std::string& sekcja, const std::string& klucz, const std::string& wartosc) {
    try {
        FUstawienia->Zapisz(sekcja, klucz, wartosc);
    } catch (const std::exception&) {
        KomunikatInfo("Nie można zapisać do ustawień do pliku .INI");
    }
}

void TGlowna::WczytajUstawienia() {
    FForma.PathInnaLok = CzytajUstawienie(kSekcja, "PathInnaLokal");
    FForma.PathRozpakuj = CzytajUstawienie(kSekcja, "PathInneMiejsce");
    const int rodzaj = TekstNaLiczbe(CzytajUstawienie(kSekcja, "RodzOdtwarz"));
    rgRodzKopiiClick(rodzaj >= 0 && rodzaj <= 2 ? rodzaj : kKopiaNaDyskietce);
}

void TGlowna::ZapiszUstawienia() {
    if (FForma.RodzKopii == kKopiaWInnejLokalizacji && !FForma.PathInnaLok.empty())
        ZapiszUstawienie(kSekcja, "PathInnaLokal", FForma.PathInnaLok);
    if (!FForma.RozpakDoFirmy && !FForma.PathRozpakuj.empty())
        ZapiszUstawienie(kSekcja, "PathInneMiejsce", FForma.PathRozpakuj);
    ZapiszUstawienie(kSekcja, "RodzOdtwarz", std::to_string(FForma.RodzKopii));
}

}  // namespace ramvel
