#include "ui/znaczniki.h"

#include <charconv>
#include <utility>

#include "platform/cp1250.h"

namespace ramvel {
namespace {

std::string Przytnij(const std::string& s) {
    size_t a = 0, b = s.size();
    while (a < b && (s[a] == ' ' || s[a] == '\t'))
        ++a;
    while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t'))
        --b;
    return s.substr(a, b - a);
}

bool NaLiczbe(const std::string& tekst, long long& wynik, int podstawa = 10) {
    if (tekst.empty())
        return false;
    const char* poczatek = tekst.data();
    const char* koniec = tekst.data() + tekst.size();
    if (podstawa == 10 && (*poczatek == '+'))
        ++poczatek;
    const auto [ptr, ec] = std::from_chars(poczatek, koniec, wynik, podstawa);
    return ec == std::errc() && ptr == koniec;
}

struct TNazwaKoloru {
    const char* Nazwa;
    uint32_t Wartosc;
};

constexpr uint32_t kSystemowy = 0xFF000000;
constexpr TNazwaKoloru kKolory[] = {
    {"clAqua", 0xFFFF00}, {"clBlack", 0x000000}, {"clBlue", 0xFF0000}, {"clCream", 0xF0FBFF},
    {"clDkGray", 0x808080}, {"clFuchsia", 0xFF00FF}, {"clGray", 0x808080}, {"clGreen", 0x008000},
    {"clLime", 0x00FF00}, {"clLtGray", 0xC0C0C0}, {"clMaroon", 0x000080}, {"clMedGray", 0xA4A0A0},
    {"clMoneyGreen", 0xC0DCC0}, {"clNavy", 0x800000}, {"clOlive", 0x008080}, {"clPurple", 0x800080},
    {"clRed", 0x0000FF}, {"clSilver", 0xC0C0C0}, {"clSkyBlue", 0xF0CAA6}, {"clTeal", 0x808000},
    {"clWhite", 0xFFFFFF}, {"clYellow", 0x00FFFF},
    {"clBackground", kSystemowy + 1}, {"clActiveCaption", kSystemowy + 2},
    {"clInactiveCaption", kSystemowy + 3}, {"clMenu", kSystemowy + 4}, {"clWindow", kSystemowy + 5},
    {"clWindowFrame", kSystemowy + 6}, {"clMenuText", kSystemowy + 7}, {"clWindowText", kSystemowy + 8},
    {"clCaptionText", kSystemowy + 9}, {"clActiveBorder", kSystemowy + 10},
    {"clInactiveBorder", kSystemowy + 11}, {"clAppWorkSpace", kSystemowy + 12},
    {"clHighlight", kSystemowy + 13}, {"clHighlightText", kSystemowy + 14}, {"clBtnFace", kSystemowy + 15},
    {"clBtnShadow", kSystemowy + 16}, {"clGrayText", kSystemowy + 17}, {"clBtnText", kSystemowy + 18},
    {"clInactiveCaptionText", kSystemowy + 19}, {"clBtnHighlight", kSystemowy + 20},
    {"cl3DDkShadow", kSystemowy + 21}, {"cl3DLight", kSystemowy + 22}, {"clInfoText", kSystemowy + 23},
    {"clInfoBk", kSystemowy + 24}, {"clGradientActiveCaption", kSystemowy + 27},
    {"clGradientInactiveCaption", kSystemowy + 28}, {"clDefault", kKolorDomyslny},
};

// The text with its line breaks turned into alignment tags.
std::string ZnacznikiLinii(const std::string& tresc) {
    std::string wynik;
    wynik.reserve(tresc.size());
    for (const char c : tresc) {
        if (c == '^' || c == '\r')
            wynik += "<A:LEFT>";
        else if (c != '\n')
            wynik += c;
    }
    return wynik;
}

class TBudowniczy {
public:
    explicit TBudowniczy(TTekstZeZnacznikami& wynik) : FWynik(wynik) {}

    void Pisz(const std::string& tekst) {
        if (tekst.empty())
            return;
        auto& kawalki = FWynik.Kawalki;
        if (!kawalki.empty() && !FNowyAkapit && kawalki.back().Styl == FStyl) {
            kawalki.back().Tekst += tekst;
            return;
        }
        kawalki.push_back({tekst, FStyl, FNowyAkapit, FWyrownanie});
        FNowyAkapit = false;
    }

    // Returns false for a tag that is not markup (it is then written as text).
    bool Znacznik(const std::string& zawartosc) {
        const std::string tresc = Przytnij(zawartosc);
        const size_t dwukropek = tresc.find(':');
        if (dwukropek == std::string::npos) {
            const std::string nazwa = WielkieLitery(tresc);
            if (nazwa == "B" || nazwa == "/B")
                FStyl.Pogrubienie = nazwa == "B";
            else if (nazwa == "I" || nazwa == "/I")
                FStyl.Kursywa = nazwa == "I";
            else if (nazwa == "U" || nazwa == "/U")
                FStyl.Podkreslenie = nazwa == "U";
            else if (nazwa == "S" || nazwa == "/S")
                FStyl.Przekreslenie = nazwa == "S";
            else
                return false;
            FStylLinii = FStyl;
            return true;
        }
        const std::string nazwa = WielkieLitery(Przytnij(tresc.substr(0, dwukropek)));
        const std::string wartosc = Przytnij(tresc.substr(dwukropek + 1));
        if (nazwa == "COLOR" || nazwa == "C") {
            FStyl.Kolor = KolorZTekstu(wartosc);
            FStylLinii.Kolor = FStyl.Kolor;
            return true;
        }
        if (nazwa == "ALIGN" || nazwa == "A") {
            const std::string v = WielkieLitery(wartosc);
            FStyl = FStylLinii;
            FNowyAkapit = true;
            FWyrownanie = v == "RIGHT" ? TWyrownanie::Prawo : v == "CENTER" ? TWyrownanie::Srodek : TWyrownanie::Lewo;
            // An empty paragraph still shows as a line.
            FWynik.Kawalki.push_back({"", FStyl, true, FWyrownanie});
            FNowyAkapit = false;
            return true;
        }
        return false;
    }

private:
    TTekstZeZnacznikami& FWynik;
    TStylZnakow FStyl;
    TStylZnakow FStylLinii;
    bool FNowyAkapit = false;
    TWyrownanie FWyrownanie = TWyrownanie::Lewo;
};

}  // namespace

uint32_t KolorZTekstu(const std::string& wartosc) {
    long long liczba = 0;
    if (!wartosc.empty() && wartosc.front() == '$') {
        if (NaLiczbe(wartosc.substr(1), liczba, 16))
            return static_cast<uint32_t>(liczba);
    } else if (NaLiczbe(wartosc, liczba)) {
        return static_cast<uint32_t>(liczba);
    }
    const std::string szukana = WielkieLitery(wartosc);
    for (const auto& kolor : kKolory)
        if (WielkieLitery(kolor.Nazwa) == szukana)
            return kolor.Wartosc;
    return kKolorDomyslny;
}

TTekstZeZnacznikami RozbierzZnaczniki(const std::string& tresc) {
    TTekstZeZnacznikami wynik;
    std::string tekst = ZnacznikiLinii(tresc);

    // At most two leading tags may choose the font and its size.
    for (int i = 0; i < 2; ++i) {
        if (tekst.empty() || tekst.front() != '<')
            break;
        const size_t zamkniecie = tekst.find('>');
        if (zamkniecie == std::string::npos)
            break;
        const std::string zawartosc = tekst.substr(1, zamkniecie - 1);
        const size_t dwukropek = zawartosc.find(':');
        if (dwukropek == std::string::npos)
            break;
        const std::string nazwa = WielkieLitery(zawartosc.substr(0, dwukropek));
        const std::string wartosc = zawartosc.substr(dwukropek + 1);
        if (nazwa == "FONT" || nazwa == "F") {
            wynik.Czcionka = wartosc;
        } else if (nazwa == "SIZE" || nazwa == "S") {
            long long rozmiar;
            if (NaLiczbe(Przytnij(wartosc), rozmiar))
                wynik.Rozmiar = static_cast<int>(rozmiar);
        } else {
            break;
        }
        tekst.erase(0, zamkniecie + 1);
    }

    TBudowniczy pisarz(wynik);
    size_t pozycja = 0;
    while (pozycja < tekst.size()) {
        const size_t otwarcie = tekst.find('<', pozycja);
        if (otwarcie == std::string::npos) {
            pisarz.Pisz(tekst.substr(pozycja));
            break;
        }
        pisarz.Pisz(tekst.substr(pozycja, otwarcie - pozycja));
        const size_t zamkniecie = tekst.find('>', otwarcie + 1);
        if (zamkniecie == std::string::npos) {
            pisarz.Pisz(tekst.substr(otwarcie));
            break;
        }
        const size_t kolejneOtwarcie = tekst.find('<', otwarcie + 1);
        if (kolejneOtwarcie < zamkniecie) {
            // The earlier "<" was plain text; the tag may start at the later one.
            pisarz.Pisz(tekst.substr(otwarcie, kolejneOtwarcie - otwarcie));
            pozycja = kolejneOtwarcie;
            continue;
        }
        const std::string zawartosc = tekst.substr(otwarcie + 1, zamkniecie - otwarcie - 1);
        if (!pisarz.Znacznik(zawartosc))
            pisarz.Pisz(tekst.substr(otwarcie, zamkniecie - otwarcie + 1));
        pozycja = zamkniecie + 1;
    }
    return wynik;
}

}  // namespace ramvel
