#include "ui/skrypt/postep_skryptu.h"

#include <algorithm>

#include "ui/skrypt/skrypt.h"

namespace ramvel {

class TPostepySkryptu::TPostepSkryptu : public IPostep {
public:
    TPostepSkryptu(TPostepySkryptu& postepy, std::shared_ptr<TStanPostepu> stan)
        : FPostepy(postepy), FStan(std::move(stan)) {}

    void UstawTekst(const std::string& tekst) override {
        FStan->Tekst = tekst;
        if (FStan->Widoczne) {
            FPostepy.FSkrypt.Zapisz("Postęp: " + tekst);
            SprawdzPrzerwanie();
        }
    }
    void UstawPozycje(int64_t pozycja) override { FStan->Pozycja = pozycja; }
    void UstawMaks(int64_t maks) override { FStan->Maks = maks; }
    void UstawMaksDodatkowy(int64_t maks) override { FStan->MaksDodatkowy = maks; }
    void UstawPrzerywalny(bool przerywalny) override { FStan->Przerywalny = przerywalny; }
    void UstawAnimacje(bool animacja) { FStan->Animacja = animacja; }
    void UstawTytul(const std::string& tytul) { FStan->Tytul = tytul; }

    void Pokaz() override {
        if (FStan->Widoczne)
            return;
        FStan->Widoczne = true;
        FPostepy.FSkrypt.Zapisz("Postęp pokazany: " + FStan->Tekst);
        SprawdzPrzerwanie();
    }

    void Zamknij() override {
        if (!FStan->Widoczne)
            return;
        FStan->Widoczne = false;
        FPostepy.FSkrypt.Zapisz("Postęp zamknięty");
    }

    bool Przerwano() const override { return FStan->Przerwano; }

private:
    // What Escape does in the window: ask unless already interrupted, and on
    // "&Tak" hide the window.
    void SprawdzPrzerwanie() {
        if (!FPostepy.ZabierzPrzerwanie(FStan->Tekst) || FStan->Przerwano)
            return;
        if (PotwierdzPrzerwanie()) {
            FStan->Przerwano = true;
            Zamknij();
        }
    }

    TPostepySkryptu& FPostepy;
    std::shared_ptr<TStanPostepu> FStan;
};

TPostepySkryptu::TPostepySkryptu(TSkrypt& skrypt) : FSkrypt(skrypt) { FPoprzednie = UstawPostepy(this); }

TPostepySkryptu::~TPostepySkryptu() { UstawPostepy(FPoprzednie); }

TPostepySkryptu& TPostepySkryptu::PrzerwijPrzy(std::string tekst) {
    FPrzerwania.push_back(std::move(tekst));
    return *this;
}

bool TPostepySkryptu::ZabierzPrzerwanie(const std::string& tekst) {
    const auto it = std::find(FPrzerwania.begin(), FPrzerwania.end(), tekst);
    if (it == FPrzerwania.end())
        return false;
    FPrzerwania.erase(it);
    return true;
}

std::unique_ptr<IPostep> TPostepySkryptu::Utworz(const std::string& tekst, int64_t maksGlowny,
                                                 int64_t maksDodatkowy, bool przerywalny, bool animacja,
                                                 const std::string& tytul) {
    auto stan = std::make_shared<TStanPostepu>();
    FOkna.push_back(stan);
    auto postep = std::make_unique<TPostepSkryptu>(*this, std::move(stan));
    postep->UstawTekst(tekst);
    postep->UstawPrzerywalny(przerywalny);
    postep->UstawAnimacje(animacja);
    postep->UstawMaks(maksGlowny);
    postep->UstawMaksDodatkowy(maksDodatkowy);
    postep->UstawTytul(tytul.empty() ? TYTUL_POSTEPU : tytul);
    return postep;
}

}  // namespace ramvel
