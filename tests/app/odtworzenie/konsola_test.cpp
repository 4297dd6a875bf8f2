// Ramvel in a terminal: both pages given as options, the restore's questions
// read from standard input, and the exit status telling the verdict.
#include <sstream>

#include "app/konsola/ramvel_konsola.h"
#include "odtworzenie/przebieg_odtworzenia.h"

namespace ramvel::testy {
namespace {

using testing::HasSubstr;
using testing::Not;

TEST(OpcjeKonsoli, PoprawneIBledne) {
    TOpcjeKonsoli opcje;
    std::string blad;
    ASSERT_TRUE(CzytajOpcjeKonsoli({"--konsola", "--katalog=/x", "--zrodlo=inna", "--sciezka=/kopie", "--firma=FIRMA",
                                    "--kopia=2", "--cel=firmy", "--akceptuj", "/S:SERWER"},
                                   opcje, blad));
    EXPECT_EQ(opcje.Zrodlo, "inna");
    EXPECT_EQ(opcje.Sciezka, "/kopie");
    EXPECT_EQ(opcje.Firma, "FIRMA");
    EXPECT_EQ(opcje.Kopia, 2);
    EXPECT_EQ(opcje.Cel, "firmy");
    EXPECT_TRUE(opcje.Akceptuj);
    struct {
        const char* Opcja;
        const char* Powod;
    } const zle[] = {
        {"--zrodlo=dysk", "Nieznane źródło kopii \"dysk\" (dyskietka, automatyczna albo inna)."},
        {"--kopia=0", "Numer kopii musi być liczbą od 1."},
        {"--kopia=x", "Numer kopii musi być liczbą od 1."},
        {"--cel=", "Opcja --cel wymaga wartości: firmy albo katalog."},
        {"--nie-ma", "Nieznana opcja: --nie-ma"},
    };
    for (const auto& p : zle) {
        TOpcjeKonsoli o;
        EXPECT_FALSE(CzytajOpcjeKonsoli({p.Opcja}, o, blad)) << p.Opcja;
        EXPECT_EQ(blad, p.Powod);
    }
}

class OdtworzenieWKonsoli : public Odtworzenie {
protected:
    int Uruchom(const TOpcjeKonsoli& opcje, const std::string& wejscie) {
        std::istringstream in(wejscie);
        std::ostringstream out;
        const int wynik = UruchomWKonsoli(opcje, in, out);
        FWyjscie = out.str();
        return wynik;
    }
    TOpcjeKonsoli OpcjeDlaKopiiAutomatycznej() const {
        TOpcjeKonsoli opcje;
        opcje.Zrodlo = "automatyczna";
        opcje.Firma = "firma";  // the key in any letter case
        opcje.Cel = "firmy";
        opcje.Akceptuj = true;
        return opcje;
    }
    std::string FWyjscie;
};

TEST_F(OdtworzenieWKonsoli, OdtwarzaIKonczySieZerem) {
    ZapiszKopie(Program().Arch(1) + "/2008_10", {},
                ZipKopii({{"FIRMA.gbk", KopiaBazyFirmy()}, {"FIRMA.ini", OpisKopii({})}}));
    EXPECT_EQ(Uruchom(OpcjeDlaKopiiAutomatycznej(), "t\n"), 0) << FWyjscie;
    EXPECT_THAT(FWyjscie, HasSubstr("== Informacja ==\nZnaleziono kopię jednej firmy."));
    EXPECT_THAT(FWyjscie, HasSubstr("  Identyfikator:   FIRMA\n  Opis firmy:      Firma testowa\n"));
    EXPECT_THAT(FWyjscie, HasSubstr("== Informacja ==\nOdtworzenie z kopii wykonano poprawnie."));
    EXPECT_THAT(Wiersze(Baza("FIRMA.fdb"), "select TRESC from DANE"), testing::ElementsAre(kDaneFirmy));
    EXPECT_THAT(Wiersze(Baza("systemkv.fdb"), "select IDENTYFIKATOR from FIRMA where IDENTYFIKATOR = 'FIRMA'"),
                testing::ElementsAre("FIRMA"));
}

TEST_F(OdtworzenieWKonsoli, UszkodzoneArchiwumKonczySieJedynkaINicNieRuszaWBazie) {
    std::string archiwum = ZipKopii({{"FIRMA.gbk", KopiaBazyFirmy()}});
    archiwum.resize(archiwum.size() / 2);
    ZapiszKopie(Program().Arch(1), {}, archiwum);
    const auto baza = Zawartosc(FProgram->Baza());
    EXPECT_EQ(Uruchom(OpcjeDlaKopiiAutomatycznej(), "t\n"), 1) << FWyjscie;
    EXPECT_THAT(FWyjscie, HasSubstr("== Błąd ==\nOdtworzenie z kopii nie powiodło się."));
    EXPECT_THAT(FWyjscie, Not(HasSubstr("wykonano poprawnie")));
    EXPECT_EQ(Zawartosc(FProgram->Baza()), baza);
}

TEST_F(OdtworzenieWKonsoli, NieznanaFirma) {
    ZapiszKopie(Program().Arch(1), {}, ZipKopii({{"FIRMA.gbk", KopiaBazyFirmy()}}));
    TOpcjeKonsoli opcje = OpcjeDlaKopiiAutomatycznej();
    opcje.Firma = "INNA";
    EXPECT_EQ(Uruchom(opcje, ""), 1);
    EXPECT_THAT(FWyjscie, HasSubstr("== Błąd ==\nNie znaleziono kopii firmy INNA."));
}

}  // namespace
}  // namespace ramvel::testy
