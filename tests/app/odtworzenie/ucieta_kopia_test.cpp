// A database backup cut in half inside a sound archive: the server stops the
// restore without an error of its own, which must end as a failure like any
// other, the destination untouched and the company not registered. The
// server's message formatting can stay broken after such a restore, so the
// test restarts it and runs alone.
#include "odtworzenie/przebieg_odtworzenia.h"

#include "app/forma_glowna.h"
#include "narzedzia_firebirda.h"

namespace ramvel::testy {
namespace {

using testing::ElementsAre;

class UcietaKopia : public Odtworzenie {};

TEST_F(UcietaKopia, KonczySieNiepowodzeniemBezZmianWBazie) {
    const std::string& pelna = DuzaKopiaBazyFirmy();
    ZapiszKopie(Program().Arch(1), {}, ZipKopii({{"FIRMA.gbk", pelna.substr(0, pelna.size() / 2)}}));
    ZapiszPlik(Baza("FIRMA.fdb"), "baza firmy sprzed odtworzenia");
    const auto baza = Zawartosc(FProgram->Baza());
    // A damaged backup restored by an earlier test may have left the server's
    // messages broken: start from a server that has just started.
    RestartujSerwer();
    ASSERT_NO_FATAL_FAILURE(Start(kKopiaAutomatyczna));
    FSkrypt.Pytanie("Odtworzenie bazy FIRMA z kopii spowoduje zastąpienie aktualnych danych \r\nw bazie FIRMA danymi "
                    "z kopii.\r\nZalecane jest aby wykonać kopię danych odtwarzanej firmy.\r\nCzy została wykonana "
                    "kopia bazy FIRMA?",
                    "&Tak")
        .Blad("Podczas wywołania dearchiwizacji wystąpił błąd o treści: Nie udało się odtworzyć bazy danych z pliku "
              "kopii \"" + FProgram->Rozpakowanie() + "/FIRMA.gbk\": serwer przerwał odtwarzanie przed jego końcem, "
              "nie zgłaszając błędu. Plik kopii jest prawdopodobnie uszkodzony lub niepełny.")
        .Blad(kNieudane);
    const bool udane = Odtworz();
    RestartujSerwer();

    EXPECT_FALSE(udane);
    EXPECT_EQ(Zawartosc(FProgram->Baza()), baza);
    EXPECT_THAT(Wiersze(Baza("systemkv.fdb"), "select IDENTYFIKATOR from FIRMA"), ElementsAre("INNA"));
    SprawdzPrzyciski();
}

}  // namespace
}  // namespace ramvel::testy
