#include "ui/konsola/okna_paka_konsoli.h"

#include <unistd.h>

#include <ostream>

#include "platform/srodowisko.h"

namespace ramvel {

class TOknaPakaKonsoli::TOknoPostepu : public IOknoPostepuPaka {
public:
    TOknoPostepu(TOknaPakaKonsoli& okna) : FOkna(okna) {}
    ~TOknoPostepu() override {
        if (FWypisano) {
            Rysuj(true);
            FOkna.FKonsola.Wyjscie() << "\n" << std::flush;
        }
    }

    void UstawTytul(const std::string& tytul) override { Zmien(FTytul, tytul); }
    void UstawNazwePliku(const std::string& nazwa) override { Zmien(FNazwa, nazwa); }
    void UstawPasekPliku(int, int) override {}
    // The line shows the overall bar as a percentage: at the end the bar is
    // full while the window's percentage label keeps its last value.
    void UstawPasekCalosci(int pozycja, int maksimum) override {
        Zmien(FProcent, std::to_string(maksimum > 0 ? int64_t{pozycja} * 100 / maksimum : 0) + " %");
    }
    void UstawProcent(const std::string&) override {}
    void UstawCzasOdPoczatku(const std::string& tekst) override { Zmien(FCzasOd, tekst); }
    void UstawCzasDoKonca(const std::string& tekst) override { Zmien(FCzasDo, tekst); }
    void UstawCzasCalkowity(const std::string&) override {}
    bool Anulowano() override { return FOkna.FPrzerwano && FOkna.FPrzerwano(); }

private:
    void Zmien(std::string& pole, const std::string& tekst) {
        if (pole == tekst)
            return;
        pole = tekst;
        Rysuj(false);
    }

    // At most ten times a second: a terminal that scrolls slowly must not
    // hold up the extraction.
    void Rysuj(bool zawsze) {
        if (!FOkna.FLiniaPostepu)
            return;
        const uint32_t teraz = LicznikMs();
        if (!zawsze && FWypisano && teraz - FOstatnio < 100)
            return;
        FOstatnio = teraz;
        FWypisano = true;
        std::string linia = FTytul + " | " + FNazwa + " | " + FProcent + " | " + FCzasOd;
        if (FCzasDo != "00:00:00" && !FCzasDo.empty())
            linia += " (do końca " + FCzasDo + ")";
        FOkna.FKonsola.Wyjscie() << "\r" << linia << "\033[K" << std::flush;
    }

    TOknaPakaKonsoli& FOkna;
    std::string FTytul, FNazwa = "---", FProcent = "0 %", FCzasOd = "00:00:00", FCzasDo;
    uint32_t FOstatnio = 0;
    bool FWypisano = false;
};

TOknaPakaKonsoli::TOknaPakaKonsoli(TKonsola& konsola, bool liniaPostepu)
    : FKonsola(konsola), FLiniaPostepu(liniaPostepu) {}

TOknaPakaKonsoli::TOknaPakaKonsoli(TKonsola& konsola) : TOknaPakaKonsoli(konsola, isatty(STDERR_FILENO) == 1) {}

std::unique_ptr<IOknoPostepuPaka> TOknaPakaKonsoli::OtworzPostep() { return std::make_unique<TOknoPostepu>(*this); }

void TOknaPakaKonsoli::PokazListeBledow(const std::vector<std::string>& linie) {
    std::ostream& wyjscie = FKonsola.Wyjscie();
    wyjscie << "\n== Błędy - Komunikaty ==\n";
    for (const auto& linia : linie)
        wyjscie << linia << "\n";
    wyjscie << std::flush;
}

}  // namespace ramvel
