#include "ui/konsola/konsola.h"

#include <iostream>
#include <memory>

#include "platform/cp1250.h"
#include "ui/znaczniki.h"

namespace ramvel {

class TKonsola::TKomunikatyKonsoli : public IKomunikaty {
public:
    explicit TKomunikatyKonsoli(TKonsola& konsola) : FKonsola(konsola) {}

    TKomPrzycisk Pokaz(const std::string& tresc, const std::vector<TKomPrzycisk>& przyciski,
                       TKomPrzycisk domyslny, TKomRodzaj rodzaj) override {
        std::ostream& out = FKonsola.Wyjscie();
        out << "\n== " << TytulKomunikatu(rodzaj) << " ==\n" << TekstBezZnacznikow(tresc) << "\n";
        bool domyslnyJest = false;
        for (const auto p : przyciski)
            domyslnyJest = domyslnyJest || p == domyslny;
        if (przyciski.size() <= 1) {
            // A lone OK needs no answer; waiting for Enter would stall scripts.
            out.flush();
            return przyciski.empty() ? domyslny : przyciski.front();
        }
        for (;;) {
            out << "[";
            for (size_t i = 0; i < przyciski.size(); ++i) {
                if (i)
                    out << "/";
                out << Klawisz(przyciski[i]) << "=" << BezAmpersandu(NapisPrzycisku(przyciski[i]));
                if (przyciski[i] == domyslny)
                    out << "*";
            }
            out << "] " << std::flush;
            std::string linia;
            if (!FKonsola.CzytajLinie(linia)) {
                out << "\n";
                return domyslny;
            }
            const std::string odpowiedz = WielkieLitery(Przytnij(linia));
            if (odpowiedz.empty() && domyslnyJest)
                return domyslny;
            for (const auto p : przyciski)
                if (odpowiedz == std::string(1, Klawisz(p) - 'a' + 'A') ||
                    odpowiedz == WielkieLitery(BezAmpersandu(NapisPrzycisku(p))))
                    return p;
            out << "Nie rozumiem odpowiedzi \"" << linia << "\".\n";
        }
    }

private:
    static char Klawisz(TKomPrzycisk p) {
        switch (p) {
            case TKomPrzycisk::Tak: return 't';
            case TKomPrzycisk::Nie: return 'n';
            case TKomPrzycisk::Anuluj: return 'a';
            case TKomPrzycisk::OK: return 'o';
        }
        return '?';
    }
    static std::string BezAmpersandu(const std::string& napis) {
        std::string wynik;
        for (char c : napis)
            if (c != '&')
                wynik += c;
        return wynik;
    }
    static std::string Przytnij(const std::string& s) {
        size_t a = 0, b = s.size();
        while (a < b && (s[a] == ' ' || s[a] == '\t' || s[a] == '\r'))
            ++a;
        while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t' || s[b - 1] == '\r'))
            --b;
        return s.substr(a, b - a);
    }

    TKonsola& FKonsola;
};

TKonsola::TKonsola(std::istream& wejscie, std::ostream& wyjscie)
    : FWejscie(wejscie), FWyjscie(wyjscie), FKomunikaty(new TKomunikatyKonsoli(*this)) {}

TKonsola::~TKonsola() = default;

IKomunikaty& TKonsola::Komunikaty() { return *FKomunikaty; }

bool TKonsola::CzytajLinie(std::string& linia) {
    return static_cast<bool>(std::getline(FWejscie, linia));
}

TKonsola& Konsola() {
    // Never destroyed: messages may still be shown while statics go away.
    static TKonsola* konsola = new TKonsola(std::cin, std::cerr);
    return *konsola;
}

std::string TekstBezZnacznikow(const std::string& tresc) {
    std::string wynik;
    for (const auto& kawalek : RozbierzZnaczniki(tresc).Kawalki) {
        if (kawalek.NowyAkapit)
            wynik += '\n';
        wynik += kawalek.Tekst;
    }
    return wynik;
}

}  // namespace ramvel
