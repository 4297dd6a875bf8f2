// Whole restores that succeed, from each place backups lie: the automatic
// backups (ZIP), another directory (KVR), a diskette set (KVR in three
// volumes). The company's database lands in BAZA, opens on the server with
// PLATFORMA's new row, and the company is registered for every user.
#include "odtworzenie/przebieg_odtworzenia.h"

#include <filesystem>

#include "app/forma_glowna.h"
#include "archive/pomoc/zapis_kvr.h"
#include "files/sciezki.h"

namespace ramvel::testy {
namespace {

using testing::Contains;
using testing::ElementsAre;
using testing::HasSubstr;

TEST_F(Odtworzenie, KopiaAutomatycznaZipDoFirmy) {
    ZapiszKopie(Program().Arch(1) + "/2008_10", {},
                ZipKopii({{"FIRMA.gbk", KopiaBazyFirmy()}, {"FIRMA.ini", OpisKopii({})}}));
    ASSERT_NO_FATAL_FAILURE(Start(kKopiaAutomatyczna));
    FSkrypt.Info(kUdane);
    EXPECT_TRUE(Odtworz());

    EXPECT_THAT(Okna(), ElementsAre(Linia("Informacja", kJednaFirma, "&OK"), "Postęp pokazany: ",
                                    "Postęp zamknięty", "Postęp pokazany: Dearchiwizacja bazy firmy: FIRMA",
                                    "Postęp zamknięty", Linia("Informacja", kUdane, "&OK")));
    EXPECT_THAT(FSkrypt.Przebieg(), Contains("Postęp: " + FProgram->Rozpakowanie() + "/FIRMA.gbk"));
    EXPECT_EQ(CzytajPlik(Baza("FIRMA.fdb")), CzytajPlik(FProgram->Rozpakowanie() + "/FIRMA.fdb"));
    // A new database file takes BAZA's group and 0660: the server opens it as
    // its own user, through the group.
    const TWlasciciel nowa = Wlasciciel(Baza("FIRMA.fdb"));
    EXPECT_EQ(nowa.Grupa, GrupaFirebird());
    EXPECT_EQ(nowa.Prawa, 0660u);
    EXPECT_THAT(Wiersze(Baza("FIRMA.fdb"), "select TRESC from DANE"), ElementsAre(kDaneFirmy));
    EXPECT_THAT(Wiersze(Baza("FIRMA.fdb"), "select SERVERVERSION from PLATFORMA"),
                ElementsAre(HasSubstr("Firebird 3.0")));
    EXPECT_THAT(Wiersze(Baza("systemkv.fdb"), "select ID_FIRMA, IDENTYFIKATOR, OPIS from FIRMA order by 1"),
                ElementsAre("10|INNA|Inna firma", "11|FIRMA|Firma testowa"));
    EXPECT_THAT(Wiersze(Baza("systemkv.fdb"), "select ID_FIRMA, ID_UZYTKOWNIK from PRAWODOFIRMY order by 1, 2"),
                ElementsAre("10|1", "11|1", "11|2", "11|3"));
    SprawdzPrzyciski();
    EXPECT_EQ(FGlowna->Forma().Strona, 1);  // activation came back from the progress windows
}

TEST_F(Odtworzenie, BezAkceptacjiNicSieNieZaczyna) {
    ZapiszKopie(Program().Arch(1), {}, ZipKopii({{"FIRMA.gbk", KopiaBazyFirmy()}}));
    const auto baza = Zawartosc(FProgram->Baza());
    ASSERT_NO_FATAL_FAILURE(Start(kKopiaAutomatyczna));
    FSkrypt.Info("Zaakceptuj dane firmy.");
    EXPECT_FALSE(Odtworz("", false));
    EXPECT_EQ(FWidok.FokusyAkceptacji, 1);
    EXPECT_THAT(FWidok.Blokady, testing::Not(Contains(true)));
    EXPECT_FALSE(std::filesystem::exists(FProgram->Rozpakowanie()));
    EXPECT_EQ(Zawartosc(FProgram->Baza()), baza);
}

TEST_F(Odtworzenie, KvrWInnejLokalizacjiFirmaJuzZarejestrowana) {
    Program(DdlBazySystemowej({"insert into FIRMA values (20, 'FIRMA', 'Firma testowa')"}));
    TOpisKopiiTestowej opis;
    opis.ArchiveExt = "kvp";
    // Stored directories are dropped: every file lands in the unpack directory.
    ZapiszKopie(FProgram->Katalog() + "/kopie", opis,
                KvrKopii({{"BAZA\\FIRMA.gbk", KopiaBazyFirmy()}, {"FIRMA.ini", OpisKopii(opis)}}));
    ASSERT_NO_FATAL_FAILURE(Start(kKopiaWInnejLokalizacji, FProgram->Katalog() + "/kopie"));
    FSkrypt.Info(kUdane);
    EXPECT_TRUE(Odtworz());

    EXPECT_THAT(Okna(), ElementsAre(Linia("Informacja", kJednaFirma, "&OK"), "Postęp: otwarte", "Postęp: zamknięte",
                                    "Postęp pokazany: Dearchiwizacja bazy firmy: FIRMA", "Postęp zamknięty",
                                    Linia("Informacja", kUdane, "&OK")));
    EXPECT_THAT(FSkrypt.Przebieg(), Contains("Postęp: tytuł Odtwarzanie z archiwum: FIRMA.kvp"));
    EXPECT_TRUE(PlikIstnieje(FProgram->Rozpakowanie() + "/FIRMA.gbk"));
    EXPECT_THAT(Wiersze(Baza("FIRMA.fdb"), "select TRESC from DANE"), ElementsAre(kDaneFirmy));
    // Registered already with the same description: nothing added.
    EXPECT_THAT(Wiersze(Baza("systemkv.fdb"), "select ID_FIRMA, IDENTYFIKATOR from FIRMA order by 1"),
                ElementsAre("10|INNA", "20|FIRMA"));
    EXPECT_THAT(Wiersze(Baza("systemkv.fdb"), "select count(*) from PRAWODOFIRMY"), ElementsAre("1"));
    SprawdzPrzyciski();
}

// A backup on three diskettes: the first diskette is asked for although it
// is in the drive from the search; a diskette of a later number and one of
// another backup are refused; the volumes then unpack as one archive.
TEST_F(Odtworzenie, ZestawTrzechDyskietek) {
    TOpisKopiiTestowej opis;
    opis.ArchiveExt = "kvp";
    opis.IloscDysk = 3;
    const std::string archiwum = KvrKopii({{"FIRMA.gbk", KopiaBazyFirmy()}});
    const auto wolumeny = Potnij(archiwum, archiwum.size() / 3 + 1);
    ASSERT_EQ(wolumeny.size(), 3u);
    const auto dyskietka = [this](const std::string& nazwa, const TOpisKopiiTestowej& o, const std::string& wolumen,
                                  const std::string& bajty) {
        std::filesystem::create_directories(Program() / nazwa);
        ZapiszPlik(Program() / (nazwa + "/FIRMA.ini"), OpisKopii(o));
        ZapiszPlik(Program() / (nazwa + "/" + wolumen), bajty);
    };
    dyskietka("dyskietka1", opis, "FIRMA.KVP", wolumeny[0]);
    dyskietka("dyskietka2", opis, "FIRMA.S00", wolumeny[1]);
    dyskietka("dyskietka3", opis, "FIRMA.S01", wolumeny[2]);
    TOpisKopiiTestowej innaKopia = opis;
    innaKopia.Id = 8;
    dyskietka("innej_kopii", innaKopia, "FIRMA.S00", wolumeny[1]);
    const auto wloz = [this](const std::string& nazwa) { return [this, nazwa] { FProgram->Wloz(Program() / nazwa); }; };

    FProgram->Wloz(Program() / "dyskietka1");
    ASSERT_NO_FATAL_FAILURE(Start(kKopiaNaDyskietce));
    const std::string prosze = "Proszę włożyć dyskietkę o nazwie \"Kopia FIRMA 2008_10 nr ";
    const std::string brakS00 = "Niewłaściwa dyskietka. Być może pomylono numery kolejnych dyskietek. Brak pliku \"" +
                                Program() / "stacja/FIRMA.S00\".";
    const std::string innaKopiaTekst =
        "Nieprawidłowa identyfikacja dyskietki. Włożona dyskietka pochodzi z innej kopii. Włóż poprawny dysk.";
    FSkrypt.Oczekuj("Pytanie", prosze + "1\"", "&OK")
        .Oczekuj("Pytanie", prosze + "2\"", "&OK", wloz("dyskietka3"))
        .Oczekuj("Pytanie", brakS00, "&OK", wloz("innej_kopii"))
        .Oczekuj("Pytanie", prosze + "2\"", "&OK")
        .Oczekuj("Pytanie", innaKopiaTekst, "&OK", wloz("dyskietka2"))
        .Oczekuj("Pytanie", prosze + "3\"", "&OK", wloz("dyskietka3"))
        .Info(kUdane);
    EXPECT_TRUE(Odtworz());

    EXPECT_THAT(FSkrypt.Przebieg(), Contains("Postęp: tytuł Odtwarzanie z archiwum: FIRMA.s01"));
    EXPECT_THAT(Wiersze(Baza("FIRMA.fdb"), "select TRESC from DANE"), ElementsAre(kDaneFirmy));
    EXPECT_THAT(Wiersze(Baza("systemkv.fdb"), "select IDENTYFIKATOR from FIRMA order by ID_FIRMA"),
                ElementsAre("INNA", "FIRMA"));
    SprawdzPrzyciski();
}

}  // namespace
}  // namespace ramvel::testy
