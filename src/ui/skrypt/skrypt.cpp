#include "ui/skrypt/skrypt.h"

namespace ramvel {

class TSkrypt::TKomunikatySkryptu : public IKomunikaty {
public:
    explicit TKomunikatySkryptu(TSkrypt& skrypt) : FSkrypt(skrypt) {}

    TKomPrzycisk Pokaz(const std::string& tresc, const std::vector<TKomPrzycisk>& przyciski,
                       TKomPrzycisk domyslny, TKomRodzaj rodzaj) override {
        const std::string odpowiedz = FSkrypt.Krok(TytulKomunikatu(rodzaj), tresc, NapisPrzycisku(domyslny));
        for (const auto p : przyciski)
            if (odpowiedz == NapisPrzycisku(p))
                return p;
        FSkrypt.FBledy.push_back("odpowiedź \"" + odpowiedz + "\" nie jest przyciskiem okna: " + tresc);
        return domyslny;
    }

private:
    TSkrypt& FSkrypt;
};

TSkrypt::TSkrypt() : FKomunikaty(new TKomunikatySkryptu(*this)) {
    FPoprzednieKomunikaty = UstawKomunikaty(FKomunikaty);
}

TSkrypt::~TSkrypt() {
    UstawKomunikaty(FPoprzednieKomunikaty);
    delete FKomunikaty;
}

TSkrypt& TSkrypt::Oczekuj(std::string rodzaj, std::string tekst, std::string odpowiedz,
                          std::function<void()> akcja) {
    FKroki.push_back({std::move(rodzaj), std::move(tekst), std::move(odpowiedz), std::move(akcja)});
    return *this;
}

TSkrypt& TSkrypt::Potem(std::function<void()> akcja) {
    if (!FKroki.empty())
        FKroki.back().Akcja = std::move(akcja);
    return *this;
}

std::string TSkrypt::Krok(const std::string& rodzaj, const std::string& tekst, const std::string& domyslna) {
    if (FKroki.empty()) {
        FBledy.push_back("nieoczekiwane okno " + rodzaj + ": " + tekst);
        FPrzebieg.push_back(rodzaj + ": " + tekst + " -> " + domyslna);
        return domyslna;
    }
    TKrokSkryptu krok = std::move(FKroki.front());
    FKroki.pop_front();
    if (krok.Rodzaj != rodzaj || krok.Tekst != tekst) {
        FBledy.push_back("oczekiwano " + krok.Rodzaj + ": " + krok.Tekst + "\n  a jest " + rodzaj + ": " + tekst);
        FPrzebieg.push_back(rodzaj + ": " + tekst + " -> " + domyslna);
        return domyslna;
    }
    const std::string odpowiedz = krok.Odpowiedz.empty() ? domyslna : krok.Odpowiedz;
    FPrzebieg.push_back(rodzaj + ": " + tekst + " -> " + odpowiedz);
    if (krok.Akcja)
        krok.Akcja();
    return odpowiedz;
}

void TSkrypt::Zapisz(std::string linia) { FPrzebieg.push_back(std::move(linia)); }

std::vector<std::string> TSkrypt::Bledy() const {
    std::vector<std::string> bledy = FBledy;
    for (const auto& krok : FKroki)
        bledy.push_back("nie doszło do okna " + krok.Rodzaj + ": " + krok.Tekst);
    return bledy;
}

}  // namespace ramvel
