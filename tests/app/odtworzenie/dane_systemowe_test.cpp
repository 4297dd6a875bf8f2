// A backup that carries the system database too: into "Firmy" only after the
// typed TAK (both databases restored and copied, no registration), anything
// else typed restores the company alone and registers it; into another
// directory a plain question, no overwrite warning, no registration.
#include "odtworzenie/przebieg_odtworzenia.h"

#include "app/forma_glowna.h"
#include "files/sciezki.h"

namespace ramvel::testy {
namespace {

using testing::Contains;
using testing::ElementsAre;
using testing::Not;

const char* const kTytulDanychSystemowych = "Odtwarzanie danych systemowych";
const char* const kPytanieODaneSystemowe =
    "Znaleziono dane systemowe.^Odtworzenie danych systemowych spwoduje, że wszystkie aktualne wspólne dane, takie "
    "jak spis firm, użytkowników, itp. zostaną zastąpione danymi sprzed wykonania kopii.^Czy na pewno odtworzyć dane "
    "systemowe?";
const char* const kProstePytanie = "Znaleziono dane systemowe.\r\nCzy odtworzyć również dane systemowe?";
const char* const kOknoBazySystemowej = "Postęp pokazany: Dearchiwizacja bazy systemowej";
const char* const kOknoBazyFirmy = "Postęp pokazany: Dearchiwizacja bazy firmy: FIRMA";

class DaneSystemowe : public Odtworzenie {
protected:
    void SetUp() override {
        Odtworzenie::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        ZapiszKopie(Program().Arch(3), {},
                    ZipKopii({{"FIRMA.gbk", KopiaBazyFirmy()}, {"systemkv.gbk", KopiaBazySystemowej()}}));
    }
    std::string Firmy(const std::string& plik) {
        return testing::PrintToString(Wiersze(plik, "select ID_FIRMA, IDENTYFIKATOR, OPIS from FIRMA order by 1"));
    }
};

TEST_F(DaneSystemowe, WpisaneTakDoFirmyOdtwarzaObieBazyBezRejestracji) {
    const TWlasciciel systemowaPrzed = Wlasciciel(Baza("systemkv.fdb"));
    ASSERT_NO_FATAL_FAILURE(Start(kKopiaAutomatyczna));
    OczekujPotwierdzenia(FSkrypt, kTytulDanychSystemowych, kPytanieODaneSystemowe, "TAK");
    FSkrypt.Info(kUdane);
    EXPECT_TRUE(Odtworz());

    EXPECT_THAT(Okna(), Contains(kOknoBazySystemowej));
    EXPECT_THAT(Okna(), Contains(kOknoBazyFirmy));
    for (const char* plik : {"FIRMA.fdb", "systemkv.fdb"})
        EXPECT_EQ(CzytajPlik(Baza(plik)), CzytajPlik(FProgram->Rozpakowanie() + "/" + plik)) << plik;
    // The system data of the backup replaced the installation's: no INNA, and
    // FIRMA as the backup knew it, not registered again.
    EXPECT_EQ(Firmy(Baza("systemkv.fdb")), R"({ "5|FIRMA|Firma z kopii" })");
    EXPECT_THAT(Wiersze(Baza("systemkv.fdb"), "select ID_FIRMA, ID_UZYTKOWNIK from PRAWODOFIRMY"),
                ElementsAre("5|1"));
    const TWlasciciel systemowaPo = Wlasciciel(Baza("systemkv.fdb"));
    EXPECT_EQ(systemowaPo.Uzytkownik, systemowaPrzed.Uzytkownik);
    EXPECT_EQ(systemowaPo.Grupa, systemowaPrzed.Grupa);
    EXPECT_EQ(systemowaPo.Prawa, systemowaPrzed.Prawa);
    EXPECT_NE(systemowaPo.Wezel, systemowaPrzed.Wezel);
    SprawdzPrzyciski();
}

TEST_F(DaneSystemowe, InneWpisaneSlowoPomijaBazeSystemowaIRejestruje) {
    const std::string systemowaPrzed = CzytajPlik(Baza("systemkv.fdb"));
    ASSERT_NO_FATAL_FAILURE(Start(kKopiaAutomatyczna));
    OczekujPotwierdzenia(FSkrypt, kTytulDanychSystemowych, kPytanieODaneSystemowe, "TA");
    FSkrypt.Info(kUdane);
    EXPECT_TRUE(Odtworz());

    EXPECT_THAT(Okna(), Not(Contains(kOknoBazySystemowej)));
    EXPECT_THAT(Okna(), Contains(kOknoBazyFirmy));
    EXPECT_FALSE(PlikIstnieje(FProgram->Rozpakowanie() + "/systemkv.fdb"));
    EXPECT_EQ(CzytajPlik(Baza("FIRMA.fdb")), CzytajPlik(FProgram->Rozpakowanie() + "/FIRMA.fdb"));
    EXPECT_EQ(Firmy(Baza("systemkv.fdb")), R"({ "10|INNA|Inna firma", "11|FIRMA|Firma testowa" })");
    EXPECT_THAT(Wiersze(Baza("systemkv.fdb"), "select count(*) from PRAWODOFIRMY where ID_FIRMA = 11"),
                ElementsAre("3"));
    SprawdzPrzyciski();
}

TEST_F(DaneSystemowe, WInneMiejsceProstePytanieBezOstrzezeniaIRejestracji) {
    // A company database in BAZA would bring the overwrite warning into "Firmy".
    ZapiszPlik(Baza("FIRMA.fdb"), "baza w katalogu programu");
    auto baza = Zawartosc(FProgram->Baza());
    const std::string cel = Program() / "odtworzone/2008";  // made by the copy
    ASSERT_NO_FATAL_FAILURE(Start(kKopiaAutomatyczna));
    FSkrypt.Pytanie(kProstePytanie, "&Tak").Info(kUdane);
    EXPECT_TRUE(Odtworz(cel));

    EXPECT_THAT(Okna(), Contains(kOknoBazySystemowej));
    for (const char* plik : {"FIRMA.fdb", "systemkv.fdb"})
        EXPECT_EQ(CzytajPlik(cel + "/" + plik), CzytajPlik(FProgram->Rozpakowanie() + "/" + plik)) << plik;
    EXPECT_EQ(Zawartosc(FProgram->Baza()), baza);
    EXPECT_EQ(Firmy(Baza("systemkv.fdb")), R"({ "10|INNA|Inna firma" })");
    SprawdzPrzyciski();

    // "&Nie": the company alone. (Reading FIRMA above wrote to the system database.)
    baza = Zawartosc(FProgram->Baza());
    FSkrypt.Pytanie(kProstePytanie, "&Nie").Info(kUdane);
    const std::string drugi = Program() / "drugi";
    EXPECT_TRUE(Odtworz(drugi));
    EXPECT_THAT(Zawartosc(drugi), ElementsAre(testing::Key("FIRMA.fdb")));
    EXPECT_EQ(Zawartosc(FProgram->Baza()), baza);
}

}  // namespace
}  // namespace ramvel::testy
