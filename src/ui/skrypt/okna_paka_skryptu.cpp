#include "ui/skrypt/okna_paka_skryptu.h"

namespace ramvel {

class TOknaPakaSkryptu::TOknoPostepu : public IOknoPostepuPaka {
public:
    explicit TOknoPostepu(TOknaPakaSkryptu& okna) : FOkna(okna) {
        FOkna.FStan = TStanOknaPaka{};
        FOkna.FStan.Otwarte = true;
        FOkna.FSkrypt.Zapisz("Postęp: otwarte");
    }
    ~TOknoPostepu() override {
        FOkna.FStan.Otwarte = false;
        FOkna.FSkrypt.Zapisz("Postęp: zamknięte");
    }

    void UstawTytul(const std::string& tytul) override { Zmien(Stan().Tytul, tytul, "tytuł"); }
    void UstawNazwePliku(const std::string& nazwa) override { Zmien(Stan().NazwaPliku, nazwa, "plik"); }
    void UstawPasekPliku(int pozycja, int maksimum) override {
        Stan().PozycjaPliku = pozycja;
        Stan().MaksimumPliku = maksimum;
        Zmiana();
    }
    void UstawPasekCalosci(int pozycja, int maksimum) override {
        Stan().PozycjaCalosci = pozycja;
        Stan().MaksimumCalosci = maksimum;
        Zmiana();
    }
    void UstawProcent(const std::string& tekst) override { Zmien(Stan().Procent, tekst, nullptr); }
    void UstawCzasOdPoczatku(const std::string& tekst) override { Zmien(Stan().CzasOdPoczatku, tekst, nullptr); }
    void UstawCzasDoKonca(const std::string& tekst) override { Zmien(Stan().CzasDoKonca, tekst, "do końca"); }
    void UstawCzasCalkowity(const std::string& tekst) override { Zmien(Stan().CzasCalkowity, tekst, "całkowity"); }
    bool Anulowano() override {
        if (!FAnulowano && FOkna.FAnulujGdy && FOkna.FAnulujGdy(FOkna.FStan)) {
            FAnulowano = true;
            FOkna.FSkrypt.Zapisz("Postęp: Anuluj");
        }
        return FAnulowano;
    }

private:
    TStanOknaPaka& Stan() { return FOkna.FStan; }
    void Zmiana() {
        if (FOkna.FPoZmianie)
            FOkna.FPoZmianie(FOkna.FStan);
    }
    // Only the texts a test reads are written to the transcript; bars and
    // percentages change with every block.
    void Zmien(std::string& pole, const std::string& tekst, const char* doPrzebiegu) {
        pole = tekst;
        if (doPrzebiegu)
            FOkna.FSkrypt.Zapisz(std::string("Postęp: ") + doPrzebiegu + " " + tekst);
        Zmiana();
    }

    TOknaPakaSkryptu& FOkna;
    bool FAnulowano = false;
};

TOknaPakaSkryptu::TOknaPakaSkryptu(TSkrypt& skrypt) : FSkrypt(skrypt), FPoprzednie(UstawOknaPaka(this)) {}

TOknaPakaSkryptu::~TOknaPakaSkryptu() { UstawOknaPaka(FPoprzednie); }

std::unique_ptr<IOknoPostepuPaka> TOknaPakaSkryptu::OtworzPostep() {
    ++FOtwarcia;
    return std::make_unique<TOknoPostepu>(*this);
}

void TOknaPakaSkryptu::PokazListeBledow(const std::vector<std::string>& linie) {
    std::string tekst;
    for (size_t i = 0; i < linie.size(); ++i)
        tekst += (i ? "\n" : "") + linie[i];
    FSkrypt.Krok("Błędy - Komunikaty", tekst, "Zamknij");
}

}  // namespace ramvel
