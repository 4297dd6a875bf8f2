// A company database already in BAZA: the warning names the company three
// times and "&Nie" stops with the destination as it was; a database that the
// server holds open is not replaced under it, and the copy is retried until
// it can be; the file that replaces it keeps its owner, group and mode.
#include "odtworzenie/przebieg_odtworzenia.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "app/forma_glowna.h"
#include "db/kv_database.h"
#include "platform/srodowisko.h"

namespace ramvel::testy {
namespace {

using testing::ElementsAre;

const char* const kPytanieOPonowienie =
    "Plik bazy nie może zostać odtworzony. Być może program Morvanta jest uruchomiony.^Przed podjęciem próby "
    "odtworzenia danych z kopii należy wyjść z programu. Czy spróbować jeszcze raz?";

std::string Ostrzezenie(const std::string& k) {
    return "Odtworzenie bazy " + k + " z kopii spowoduje zastąpienie aktualnych danych \r\nw bazie " + k +
           " danymi z kopii.\r\nZalecane jest aby wykonać kopię danych odtwarzanej firmy.\r\nCzy została wykonana "
           "kopia bazy " + k + "?";
}

TEST_F(Odtworzenie, OstrzezenieONadpisaniuINie) {
    TOpisKopiiTestowej opis;
    opis.PodKatalog = "MAZURY";
    ZapiszKopie(Program().Arch(20), opis, ZipKopii({{"MAZURY.gbk", KopiaBazyFirmy()}}));
    ZapiszPlik(Baza("MAZURY.fdb"), "dane firmy sprzed odtworzenia");
    const auto baza = Zawartosc(FProgram->Baza());
    ASSERT_NO_FATAL_FAILURE(Start(kKopiaAutomatyczna));
    FSkrypt.Pytanie(Ostrzezenie("MAZURY"), "&Nie").Blad(kNieudane);
    EXPECT_FALSE(Odtworz());

    EXPECT_EQ(Zawartosc(FProgram->Baza()), baza);
    EXPECT_THAT(Wiersze(Baza("systemkv.fdb"), "select IDENTYFIKATOR from FIRMA"), ElementsAre("INNA"));
    SprawdzPrzyciski();
}

TEST_F(Odtworzenie, BazaOtwartaNaSerwerzeNieJestZastepowana) {
    ZapiszKopie(Program().Arch(1), {}, ZipKopii({{"FIRMA.gbk", KopiaBazyFirmy()}}));
    TBazaTestowa biezaca(Baza("FIRMA.fdb"), 3, {"create table BIEZACA (ID integer)"});
    ASSERT_EQ(chown(biezaca.Sciezka().c_str(), UzytkownikFirebird(), GrupaFirebird()), 0);
    ASSERT_EQ(chmod(biezaca.Sciezka().c_str(), 0640), 0);
    const TWlasciciel przed = Wlasciciel(biezaca.Sciezka());
    // A running Morvanta program: an attachment on the server.
    TkvDatabase program;
    program.KatalogBazy = FProgram->Baza();
    program.PlikBazy = "FIRMA.fdb";
    program.UstawPolaczenie();
    program.Connected(true);

    ASSERT_NO_FATAL_FAILURE(Start(kKopiaAutomatyczna));
    const std::string bladKopii = "Błąd kopiowania pliku: FIRMA.fdb\r\r" + OpisBleduSystemu(ETXTBSY);
    FSkrypt.Pytanie(Ostrzezenie("FIRMA"), "&Tak")
        .Blad(bladKopii)
        .Pytanie(kPytanieOPonowienie, "&Tak")
        .Blad(bladKopii)
        .Pytanie(kPytanieOPonowienie, "&Tak")
        .Potem([&] {
            // The file held open was never touched.
            EXPECT_EQ(Wlasciciel(biezaca.Sciezka()).Wezel, przed.Wezel);
            program.Connected(false);
        })
        .Info(kUdane);
    EXPECT_TRUE(Odtworz());

    EXPECT_EQ(CzytajPlik(Baza("FIRMA.fdb")), CzytajPlik(FProgram->Rozpakowanie() + "/FIRMA.fdb"));
    const TWlasciciel po = Wlasciciel(Baza("FIRMA.fdb"));
    EXPECT_NE(po.Wezel, przed.Wezel);
    EXPECT_EQ(po.Uzytkownik, przed.Uzytkownik);
    EXPECT_EQ(po.Grupa, przed.Grupa);
    EXPECT_EQ(po.Prawa, 0640u);
    EXPECT_THAT(Wiersze(Baza("FIRMA.fdb"), "select TRESC from DANE"), ElementsAre(kDaneFirmy));
    EXPECT_THAT(Wiersze(Baza("systemkv.fdb"), "select IDENTYFIKATOR from FIRMA order by ID_FIRMA"),
                ElementsAre("INNA", "FIRMA"));
    SprawdzPrzyciski();
}

}  // namespace
}  // namespace ramvel::testy
