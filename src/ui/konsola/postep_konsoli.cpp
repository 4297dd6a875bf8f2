#include "ui/konsola/postep_konsoli.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <optional>
#include <ostream>

#include "platform/cp1250.h"
#include "ui/konsola/ctrl_c.h"
#include "ui/konsola/konsola.h"

namespace ramvel {
namespace {

int SzerokoscTerminala() {
    winsize rozmiar{};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &rozmiar) == 0 && rozmiar.ws_col > 0)
        return rozmiar.ws_col;
    return 80;
}

size_t LiczbaZnakow(const std::string& tekst) {
    size_t znakow = 0;
    for (size_t i = 0; i < tekst.size(); ++znakow)
        NastepnyZnakUtf8(tekst, i);
    return znakow;
}

// The first `ile` characters (not bytes) of a UTF-8 text.
std::string PoczatekTekstu(const std::string& tekst, size_t ile) {
    size_t i = 0;
    for (size_t znak = 0; znak < ile && i < tekst.size(); ++znak)
        NastepnyZnakUtf8(tekst, i);
    return tekst.substr(0, i);
}

// Line ends and tabs in a server's progress line would break the status line.
std::string JednaLinia(const std::string& tekst) {
    std::string wynik;
    for (char c : tekst)
        wynik += (static_cast<unsigned char>(c) < 0x20) ? ' ' : c;
    while (!wynik.empty() && wynik.back() == ' ')
        wynik.pop_back();
    return wynik;
}

class TPostepKonsoli : public IPostep {
public:
    TPostepKonsoli(std::ostream& wyjscie, bool wTerminalu, int szerokosc)
        : FWyjscie(wyjscie), FWTerminalu(wTerminalu), FSzerokosc(szerokosc) {}
    ~TPostepKonsoli() override { Zamknij(); }

    void UstawTekst(const std::string& tekst) override {
        FTekst = JednaLinia(tekst);
        if (!FWidoczne)
            return;
        // The animation turns with each new line: the lines are the only sign
        // of life a database restore gives.
        ++FKlatka;
        SprawdzCtrlC();
        if (!FWidoczne)
            return;
        if (!FWTerminalu)
            PiszTekst();
        Odswiez();
    }

    void UstawPozycje(int64_t pozycja) override {
        FPozycja = pozycja;
        // The key is answered before anything is drawn that the question would wipe.
        SprawdzCtrlC();
        Odswiez();
    }

    void UstawMaks(int64_t maks) override {
        FMaks = maks;
        Odswiez();
    }

    // The second bar is never moved by the program; a status line has no room
    // for a bar that stands still.
    void UstawMaksDodatkowy(int64_t) override {}

    void UstawPrzerywalny(bool przerywalny) override {
        FPrzerywalny = przerywalny;
        Odswiez();
    }

    void UstawAnimacje(bool animacja) { FAnimacja = animacja; }

    void Pokaz() override {
        if (!FWidoczne) {
            FWidoczne = true;
            // Ctrl+C is caught only while the line is shown; at any other
            // time it ends the program as usual.
            FCtrlC.emplace();
            FWypisanyTekst.reset();
            if (!FWTerminalu)
                PiszTekst();
        }
        SprawdzCtrlC();
        Odswiez();
    }

    void Zamknij() override {
        if (!FWidoczne)
            return;
        FWidoczne = false;
        FCtrlC.reset();
        Zetrzyj();
    }

    bool Przerwano() const override { return FPrzerwano; }

private:
    bool AnimacjaWidoczna() const { return FMaks <= 0 || FAnimacja; }

    int Procent() const {
        if (FMaks <= 0)
            return 0;
        const int64_t pozycja = std::clamp<int64_t>(FPozycja, 0, FMaks);
        // Two divisions keep pozycja * 100 from overflowing near the top of the range.
        return static_cast<int>(pozycja / FMaks * 100 + (pozycja % FMaks) * 100 / FMaks);
    }

    std::string Linia() const {
        static const char kolo[] = {'|', '/', '-', '\\'};
        std::string przed, po;
        if (AnimacjaWidoczna())
            przed = std::string(1, kolo[FKlatka % 4]) + " ";
        if (FMaks > 0) {
            const int procent = Procent();
            const int pelnych = procent / 5;
            po = " [" + std::string(pelnych, '#') + std::string(20 - pelnych, '.') + "] " + std::to_string(procent) + "%";
        }
        if (FPrzerywalny)
            po += " (Ctrl+C przerywa)";
        // One column stays free: writing into the last one wraps some terminals.
        const int szerokosc = (FSzerokosc > 0 ? FSzerokosc : SzerokoscTerminala()) - 1;
        const int naTekst = szerokosc - static_cast<int>(przed.size() + po.size());
        std::string tekst = FTekst;
        if (naTekst <= 0)
            tekst.clear();
        else if (LiczbaZnakow(tekst) > static_cast<size_t>(naTekst))
            tekst = PoczatekTekstu(tekst, static_cast<size_t>(naTekst - 1)) + "…";
        return przed + tekst + po;
    }

    void Odswiez() {
        if (!FWidoczne)
            return;
        if (FWTerminalu) {
            const std::string linia = Linia();
            if (linia == FNarysowana)
                return;
            FWyjscie << '\r' << linia << "\x1b[K" << std::flush;
            FNarysowana = linia;
            return;
        }
        if (FMaks <= 0)
            return;
        const int dziesiata = Procent() / 10;
        if (dziesiata < FWypisanaDziesiata) {
            FWypisanaDziesiata = dziesiata;
        } else if (dziesiata > FWypisanaDziesiata) {
            FWypisanaDziesiata = dziesiata;
            FWyjscie << "  " << dziesiata * 10 << "%\n" << std::flush;
        }
    }

    // Plain lines: a text is written once, when it first shows.
    void PiszTekst() {
        if (FTekst.empty() || (FWypisanyTekst && *FWypisanyTekst == FTekst))
            return;
        FWyjscie << FTekst << '\n' << std::flush;
        FWypisanyTekst = FTekst;
        FWypisanaDziesiata = Procent() / 10;
    }

    void Zetrzyj() {
        if (FWTerminalu && !FNarysowana.empty())
            FWyjscie << "\r\x1b[K" << std::flush;
        FNarysowana.clear();
    }

    void SprawdzCtrlC() {
        if (!FWidoczne || !FCtrlC->Odbierz() || FPrzerwano || FPytaOPrzerwanie)
            return;
        FPytaOPrzerwanie = true;
        Zetrzyj();
        const bool przerwac = PotwierdzPrzerwanie();
        // A Ctrl+C pressed while the question waited belongs to its answer.
        if (FCtrlC)
            FCtrlC->Odbierz();
        FPytaOPrzerwanie = false;
        if (przerwac) {
            FPrzerwano = true;
            Zamknij();
        } else {
            Odswiez();
        }
    }

    std::ostream& FWyjscie;
    const bool FWTerminalu;
    const int FSzerokosc;
    std::string FTekst;
    int64_t FPozycja = 0;
    int64_t FMaks = 0;
    bool FPrzerywalny = false;
    bool FAnimacja = false;
    bool FWidoczne = false;
    bool FPrzerwano = false;
    bool FPytaOPrzerwanie = false;
    std::optional<TNasluchCtrlC> FCtrlC;  // while the line is shown
    unsigned FKlatka = 0;
    std::string FNarysowana;                    // the status line as it stands on the terminal
    std::optional<std::string> FWypisanyTekst;  // plain lines: the text written last
    int FWypisanaDziesiata = 0;                 // plain lines: the tenth of the bar written last
};

}  // namespace

TPostepyKonsoli::TPostepyKonsoli(std::ostream& wyjscie, bool wTerminalu, int szerokosc)
    : FWyjscie(wyjscie), FWTerminalu(wTerminalu), FSzerokosc(szerokosc) {}

std::unique_ptr<IPostep> TPostepyKonsoli::Utworz(const std::string& tekst, int64_t maksGlowny,
                                                 int64_t maksDodatkowy, bool przerywalny, bool animacja,
                                                 const std::string& /*tytul: a status line has no caption*/) {
    auto postep = std::make_unique<TPostepKonsoli>(FWyjscie, FWTerminalu, FSzerokosc);
    postep->UstawTekst(tekst);
    postep->UstawPrzerywalny(przerywalny);
    postep->UstawAnimacje(animacja);
    postep->UstawMaks(maksGlowny);
    postep->UstawMaksDodatkowy(maksDodatkowy);
    return postep;
}

TPostepyKonsoli& PostepyKonsoli() {
    static TPostepyKonsoli* postepy = new TPostepyKonsoli(Konsola().Wyjscie(), isatty(STDERR_FILENO) == 1);
    return *postepy;
}

}  // namespace ramvel
