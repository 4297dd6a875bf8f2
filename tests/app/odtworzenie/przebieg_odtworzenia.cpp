#include "odtworzenie/przebieg_odtworzenia.h"

#include "app/obsluga.h"
#include "db/uzytkownik_bazy.h"
#include "narzedzia_firebirda.h"
#include "platform/srodowisko.h"

namespace ramvel::testy {

void Odtworzenie::SetUp() {
    // Another program's test may be restarting the server just now.
    CzekajNaSerwer(5000);
    RAMVEL_WYMAGAJ_SERWERA();
}

void Odtworzenie::TearDown() {
    FGlowna.reset();
    EXPECT_THAT(FSkrypt.Bledy(), testing::IsEmpty());
}

TProgramOdtwarzania& Odtworzenie::Program(const std::vector<std::string>& ddlSystemowej) {
    if (!FProgram)
        FProgram = std::make_unique<TProgramOdtwarzania>(ddlSystemowej);
    return *FProgram;
}

void Odtworzenie::Start(int zrodlo, const std::string& sciezka) {
    Program();
    if (!FGlowna)
        FGlowna = std::make_unique<TGlowna>(FWidok, PlikUstawien());
    FSkrypt.Info(kJednaFirma);
    FGlowna->rgRodzKopiiClick(zrodlo);
    FGlowna->Forma().PathInnaLok = sciezka;
    ObsluzZdarzenie([&] { FGlowna->btnStartClick(); });
    ASSERT_EQ(FGlowna->Forma().Strona, 2);
}

bool Odtworzenie::Odtworz(const std::string& inneMiejsce, bool akceptuj) {
    TGlowna& g = *FGlowna;
    ObsluzZdarzenie([&] { g.cmbKopieChange(0); });
    ObsluzZdarzenie([&] { g.cmbDataKopiiChange(static_cast<int>(g.Forma().Kopie.size()) - 1); });
    g.cbAcceptClick(akceptuj);
    if (inneMiejsce.empty()) {
        g.rbRozpakDoFirmyClick();
    } else {
        g.rpRozpakWInneClick();
        g.Forma().PathRozpakuj = inneMiejsce;
    }
    FWidok.Blokady.clear();
    // The program finds its password beside baza.set, as it does when installed.
    TZmiennaSrodowiska bezHasla(kZmiennaHaslaBazy, nullptr);
    ObsluzZdarzenie([&] { g.btnOdtworzClick(); });
    return g.OstatnieOdtworzenieUdane();
}

std::vector<std::string> Odtworzenie::Okna() const {
    std::vector<std::string> okna;
    for (const auto& linia : FSkrypt.Przebieg()) {
        const bool oknoPostepu = linia.rfind("Postęp pokazany", 0) == 0 || linia == "Postęp zamknięty" ||
                                 linia == "Postęp: otwarte" || linia == "Postęp: zamknięte";
        if (oknoPostepu || (linia.rfind("Postęp", 0) != 0 && linia.find(" -> ") != std::string::npos))
            okna.push_back(linia);
    }
    return okna;
}

void Odtworzenie::SprawdzPrzyciski() const {
    EXPECT_THAT(FWidok.Blokady, testing::Contains(true));
    ASSERT_FALSE(FWidok.Blokady.empty());
    EXPECT_FALSE(FWidok.Blokady.back());
    EXPECT_FALSE(FGlowna->Forma().PrzyciskiZablokowane);
}

std::string Linia(const std::string& rodzaj, const std::string& tekst, const std::string& odpowiedz) {
    return rodzaj + ": " + tekst + " -> " + odpowiedz;
}

}  // namespace ramvel::testy
