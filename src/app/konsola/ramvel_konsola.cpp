#include "app/konsola/ramvel_konsola.h"

#include <istream>
#include <optional>
#include <ostream>

#include "app/glowna.h"
#include "app/obsluga.h"
#include "files/teksty.h"
#include "platform/srodowisko.h"
#include "ui/komunikaty.h"
#include "ui/konsola/konsola.h"

namespace ramvel {
namespace {

// The window's drawing has no terminal counterpart: the terminal prints what
// it shows at the points where the user must choose.
class TWidokKonsoli : public IWidokGlowny {
public:
    void Odswiez(const TFormaGlowna&) override {}
    void Zamknij() override {}
};

class TRozmowa {
public:
    TRozmowa(TKonsola& konsola, std::ostream& wyjscie) : FKonsola(konsola), FWyjscie(wyjscie) {}

    // A number from 1 to `ile`; the default at an empty line or end of input.
    int Wybierz(const std::string& pytanie, int ile, int domyslny) {
        for (;;) {
            FWyjscie << pytanie << " [1-" << ile << ", Enter = " << domyslny << "]: " << std::flush;
            std::string linia;
            if (!FKonsola.CzytajLinie(linia)) {
                FWyjscie << "\n";
                return domyslny;
            }
            if (linia.empty())
                return domyslny;
            const int numer = TekstNaLiczbe(linia);
            if (numer >= 1 && numer <= ile)
                return numer;
            FWyjscie << "Podaj liczbę od 1 do " << ile << ".\n";
        }
    }

    std::string Tekst(const std::string& pytanie, const std::string& domyslny) {
        FWyjscie << pytanie << (domyslny.empty() ? "" : " [Enter = " + domyslny + "]") << ": " << std::flush;
        std::string linia;
        if (!FKonsola.CzytajLinie(linia) || linia.empty())
            return domyslny;
        return linia;
    }

    std::ostream& Wyjscie() { return FWyjscie; }

private:
    TKonsola& FKonsola;
    std::ostream& FWyjscie;
};

void PokazSzczegoly(const TFormaGlowna& f, std::ostream& out) {
    out << "\n Dane o kopii\n"
        << "  Identyfikator:   " << f.Ident << "\n"
        << "  Opis firmy:      " << f.Opis << "\n"
        << "  Data i czas:     " << f.DataCzas << "\n"
        << "  Ilość dyskietek: " << f.IlDysk << "\n"
        << "  Dane licencji:   " << f.DaneLic << "\n"
        << "  Dane programu:   " << f.DaneProg << "\n\n";
}

void PokazListe(const std::string& tytul, const std::vector<std::string>& elementy, std::ostream& out) {
    out << "\n" << tytul << ":\n";
    for (size_t i = 0; i < elementy.size(); ++i)
        out << "  " << (i + 1) << ") " << elementy[i] << "\n";
}

// Restores the front end that was in use when the terminal run ends.
class TKomunikatyNaCzas {
public:
    explicit TKomunikatyNaCzas(IKomunikaty& komunikaty) : FPoprzednie(UstawKomunikaty(&komunikaty)) {}
    ~TKomunikatyNaCzas() { UstawKomunikaty(FPoprzednie); }

private:
    IKomunikaty* FPoprzednie;
};

}  // namespace

bool CzytajOpcjeKonsoli(const std::vector<std::string>& parametry, TOpcjeKonsoli& opcje, std::string& blad) {
    for (const auto& p : parametry) {
        const auto wartosc = [&](const char* nazwa) -> std::optional<std::string> {
            const std::string przedrostek = std::string(nazwa) + "=";
            if (p.rfind(przedrostek, 0) == 0)
                return p.substr(przedrostek.size());
            return std::nullopt;
        };
        if (auto v = wartosc("--zrodlo")) {
            if (*v != "dyskietka" && *v != "automatyczna" && *v != "inna") {
                blad = "Nieznane źródło kopii \"" + *v + "\" (dyskietka, automatyczna albo inna).";
                return false;
            }
            opcje.Zrodlo = *v;
        } else if (auto v = wartosc("--sciezka")) {
            opcje.Sciezka = *v;
        } else if (auto v = wartosc("--firma")) {
            opcje.Firma = *v;
        } else if (auto v = wartosc("--kopia")) {
            opcje.Kopia = TekstNaLiczbe(*v);
            if (opcje.Kopia < 1) {
                blad = "Numer kopii musi być liczbą od 1.";
                return false;
            }
        } else if (auto v = wartosc("--cel")) {
            if (v->empty()) {
                blad = "Opcja --cel wymaga wartości: firmy albo katalog.";
                return false;
            }
            opcje.Cel = *v;
        } else if (p == "--akceptuj") {
            opcje.Akceptuj = true;
        } else if (p == "--konsola" || p.rfind("--katalog=", 0) == 0 || p.rfind("/S:", 0) == 0) {
            // Handled where the program starts.
        } else {
            blad = "Nieznana opcja: " + p;
            return false;
        }
    }
    return true;
}

int UruchomWKonsoli(const TOpcjeKonsoli& opcje, std::istream& wejscie, std::ostream& wyjscie) {
    TKonsola konsola(wejscie, wyjscie);
    TKomunikatyNaCzas komunikaty(konsola.Komunikaty());
    TRozmowa rozmowa(konsola, wyjscie);
    TWidokKonsoli widok;
    TGlowna glowna(widok, PlikUstawien());
    TFormaGlowna& forma = glowna.Forma();
    wyjscie << forma.Tytul << "\n";

    // Page 1: the source.
    int rodzaj = forma.RodzKopii;
    if (opcje.Zrodlo.empty()) {
        PokazListe("Odtwórz z kopii", {"na dyskietce", "automatycznej", "w innej lokalizacji"}, wyjscie);
        rodzaj = rozmowa.Wybierz("Źródło kopii", 3, rodzaj + 1) - 1;
    } else {
        rodzaj = opcje.Zrodlo == "dyskietka" ? kKopiaNaDyskietce
                 : opcje.Zrodlo == "automatyczna" ? kKopiaAutomatyczna
                                                  : kKopiaWInnejLokalizacji;
    }
    glowna.rgRodzKopiiClick(rodzaj);
    if (rodzaj == kKopiaWInnejLokalizacji)
        forma.PathInnaLok = !opcje.Sciezka.empty() ? opcje.Sciezka : rozmowa.Tekst("Katalog z kopiami", forma.PathInnaLok);

    if (!ObsluzZdarzenie([&] { glowna.btnStartClick(); }) || forma.Strona != 2)
        return 1;

    // Page 2: the company and its backup.
    int firma = 0;
    if (!opcje.Firma.empty()) {
        firma = -1;
        for (size_t i = 0; i < forma.Firmy.size(); ++i)
            if (TekstyRowne(forma.Firmy[i], opcje.Firma))
                firma = static_cast<int>(i);
        if (firma < 0) {
            KomunikatBlad("Nie znaleziono kopii firmy " + opcje.Firma + ".");
            return 1;
        }
    } else {
        PokazListe("Znalezione kopie firm", forma.Firmy, wyjscie);
        firma = rozmowa.Wybierz("Firma", static_cast<int>(forma.Firmy.size()), 1) - 1;
    }
    if (!ObsluzZdarzenie([&] { glowna.cmbKopieChange(firma); }))
        return 1;

    const int ileKopii = static_cast<int>(forma.Kopie.size());
    int kopia = forma.WybranaKopia;
    if (opcje.Kopia > 0) {
        if (opcje.Kopia > ileKopii) {
            KomunikatBlad("Firma " + forma.Firmy[static_cast<size_t>(firma)] + " ma " + std::to_string(ileKopii) +
                          " kopii; nie ma kopii nr " + std::to_string(opcje.Kopia) + ".");
            return 1;
        }
        kopia = opcje.Kopia - 1;
    } else if (opcje.Firma.empty()) {
        PokazListe("Data i czas wykonania kopii", forma.Kopie, wyjscie);
        kopia = rozmowa.Wybierz("Kopia", ileKopii, kopia + 1) - 1;
    }
    if (!ObsluzZdarzenie([&] { glowna.cmbDataKopiiChange(kopia); }))
        return 1;
    PokazSzczegoly(forma, wyjscie);

    // The destination.
    std::string cel = opcje.Cel;
    if (cel.empty()) {
        PokazListe("Rozpakuj do katalogu", {"Firmy", "W inne miejsce"}, wyjscie);
        if (rozmowa.Wybierz("Miejsce", 2, forma.RozpakDoFirmy ? 1 : 2) == 1)
            cel = "firmy";
        else
            cel = rozmowa.Tekst("Katalog docelowy", forma.PathRozpakuj);
    }
    if (cel == "firmy") {
        glowna.rbRozpakDoFirmyClick();
    } else {
        glowna.rpRozpakWInneClick();
        forma.PathRozpakuj = cel;
    }

    bool akceptuj = opcje.Akceptuj;
    if (!akceptuj)
        akceptuj = TekstyRowne(rozmowa.Tekst("Tak, chcę odtworzyć kopię tej firmy (t/n)", "n"), "t");
    glowna.cbAcceptClick(akceptuj);

    ObsluzZdarzenie([&] { glowna.btnOdtworzClick(); });
    return glowna.OstatnieOdtworzenieUdane() ? 0 : 1;
}

}  // namespace ramvel
