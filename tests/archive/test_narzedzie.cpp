// ramvel-archiwum as administrators run it: exit statuses, messages and
// questions on the terminal, the error list at the end, test and lista.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "archive/pomoc/zapis_kvr.h"
#include "wspolne/testy.h"

namespace ramvel {
namespace {

using testy::TZapisKvr;
using ::testing::HasSubstr;
using ::testing::Not;

struct TWynik {
    int Kod;
    std::string Wyjscie, Bledy;
};

class Narzedzie : public ::testing::Test {
protected:
    // Runs the tool with `wejscie` as standard input; arguments are quoted
    // with single quotes.
    TWynik Uruchom(const std::vector<std::string>& argumenty, const std::string& wejscie = "") {
        testy::ZapiszPlik(Katalog / "wejscie", wejscie);
        std::string polecenie = std::string("'") + RAMVEL_ARCHIWUM + "'";
        for (const auto& a : argumenty)
            polecenie += " '" + a + "'";
        polecenie += " <'" + Katalog / "wejscie" + "' >'" + Katalog / "wyjscie" + "' 2>'" + Katalog / "bledy" + "'";
        const int status = std::system(polecenie.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, testy::CzytajPlik(Katalog / "wyjscie"),
                testy::CzytajPlik(Katalog / "bledy")};
    }
    std::string Archiwum(const std::string& bajty, size_t rozmiarPaczki = size_t{1} << 30) {
        // Volumes of an earlier archive would be read as this one's continuation.
        for (const auto& wpis : std::filesystem::directory_iterator(Katalog.Sciezka()))
            if (wpis.path().stem() == "KOPIA")
                std::filesystem::remove(wpis.path());
        testy::ZapiszPaczki(Katalog / "KOPIA.KVP", testy::Potnij(bajty, rozmiarPaczki));
        return Katalog / "KOPIA.KVP";
    }
    testy::TKatalogTymczasowy Katalog;
};

TEST_F(Narzedzie, ZleUzycieDajeKod2) {
    for (const auto& argumenty : std::vector<std::vector<std::string>>{
             {}, {"rozpakuj"}, {"rozpakuj", "A.KVP"}, {"rozpakuj", "-o"}, {"test"}, {"lista", "a", "b"}, {"spakuj", "a"}}) {
        const TWynik wynik = Uruchom(argumenty);
        EXPECT_EQ(wynik.Kod, 2) << ::testing::PrintToString(argumenty);
        EXPECT_THAT(wynik.Bledy, HasSubstr("Użycie:"));
    }
    EXPECT_EQ(Uruchom({"--help"}).Kod, 0);
}

TEST_F(Narzedzie, RozpakujZDomyslnymiOpcjamiIListaBledowNaKoncu) {
    const std::string archiwum = Archiwum(TZapisKvr().Plik("dane\\A.TXT", "aaa").Plik("B.GBK", "bbb").Terminator().Bajty(), 7);
    TWynik wynik = Uruchom({"rozpakuj", archiwum, Katalog / "cel"});
    EXPECT_EQ(wynik.Kod, 0) << wynik.Bledy;
    EXPECT_EQ(testy::CzytajPlik(Katalog / "cel/dane/A.TXT"), "aaa");
    EXPECT_EQ(testy::CzytajPlik(Katalog / "cel/B.GBK"), "bbb");

    // Without "+o" the existing files are skipped and listed at the end.
    wynik = Uruchom({"rozpakuj", "-o", "+y", archiwum, Katalog / "cel", "*.GBK"});
    EXPECT_EQ(wynik.Kod, 0);
    EXPECT_THAT(wynik.Bledy, HasSubstr("== Błędy - Komunikaty ==\n000 - Plik : \"" + Katalog / "cel/B.GBK" +
                                       "\" nie został zdekompresowany ponieważ istnieje plik o tej nazwie. Użyj \"+o\".\n"));
}

TEST_F(Narzedzie, PytaniaCzytaneZWejscia) {
    const std::string archiwum = Archiwum(TZapisKvr().Plik("A.TXT", "a").Bajty());
    TWynik wynik = Uruchom({"rozpakuj", "-o", "-w", archiwum, Katalog / "nowy"}, "n\n");
    EXPECT_EQ(wynik.Kod, 1);
    EXPECT_THAT(wynik.Bledy, HasSubstr("Brak katalogu :\"" + Katalog / "nowy" + "\". Utowrzyć?"));
    EXPECT_FALSE(std::filesystem::exists(Katalog / "nowy"));
    // At the end of input the default button (Tak) answers.
    wynik = Uruchom({"rozpakuj", "-o", "-w", archiwum, Katalog / "nowy"});
    EXPECT_EQ(wynik.Kod, 0);
    EXPECT_EQ(testy::CzytajPlik(Katalog / "nowy/A.TXT"), "a");
}

TEST_F(Narzedzie, TestMowiCzyArchiwumJestCaleIGdzieUszkodzone) {
    const std::string bajty = TZapisKvr().Plik("A.TXT", std::string(70000, 'a')).Plik("B.TXT", "bb").Bajty();
    // A first volume shorter than the signature is still recognised.
    TWynik wynik = Uruchom({"test", Archiwum(bajty, 3)});
    EXPECT_EQ(wynik.Kod, 0) << wynik.Bledy;
    EXPECT_THAT(wynik.Wyjscie, HasSubstr("jest całe: plików 2, bajtów 70002"));
    wynik = Uruchom({"test", Archiwum(bajty.substr(0, bajty.size() - 3))});
    EXPECT_EQ(wynik.Kod, 1);
    EXPECT_THAT(wynik.Wyjscie, HasSubstr("jest niekompletne: kończy się w pliku \"B.TXT\""));
    EXPECT_THAT(wynik.Wyjscie, HasSubstr("Miejsce: paczka \"" + Katalog / "KOPIA.KVP\""));
    EXPECT_FALSE(std::filesystem::exists(Katalog / "A.TXT"));
}

TEST_F(Narzedzie, ListaPlikowZDatamiINazwamiWUtf8) {
    testy::TOpcjePliku opcje;
    opcje.Data = testy::DataDos(2019, 12, 31, 23, 59, 58);
    TWynik wynik = Uruchom({"lista", Archiwum(TZapisKvr().Plik("dane\\\xA3\xF3\x64\x9F.GBK", "xyz", opcje).Bajty())});
    EXPECT_EQ(wynik.Kod, 0);
    EXPECT_EQ(wynik.Wyjscie, "          3  2019-12-31 23:59:58  dane\\Łódź.GBK\n");
    wynik = Uruchom({"lista", Archiwum(TZapisKvr("@100@").Plik("STARY.TXT", "s").Bajty())});
    EXPECT_EQ(wynik.Wyjscie, "          1  ----------------  STARY.TXT\n");
}

TEST_F(Narzedzie, NieznanyRodzajIBrakujacyPlik) {
    testy::ZapiszPlik(Katalog / "x.bin", "to nie archiwum");
    TWynik wynik = Uruchom({"lista", Katalog / "x.bin"});
    EXPECT_EQ(wynik.Kod, 1);
    EXPECT_THAT(wynik.Bledy, HasSubstr("nie jest archiwum żadnego ze znanych rodzajów (ZIP, KVR)"));
    wynik = Uruchom({"test", Katalog / "brak"});
    EXPECT_EQ(wynik.Kod, 1);
    EXPECT_THAT(wynik.Bledy, HasSubstr("nie istnije."));
    // A name without extension finds its .KVP.
    Archiwum(TZapisKvr().Plik("A", "a").Bajty());
    EXPECT_EQ(Uruchom({"test", Katalog / "KOPIA"}).Kod, 0);
}

TEST_F(Narzedzie, UszkodzoneArchiwumToKod1) {
    testy::TOpcjePliku zly;
    zly.ZnacznikKonca = 9;
    const std::string archiwum = Archiwum(TZapisKvr().Plik("A.TXT", "a").Plik("B.TXT", "b", zly).Bajty());
    const TWynik wynik = Uruchom({"rozpakuj", archiwum, Katalog / "cel"});
    EXPECT_EQ(wynik.Kod, 1);
    EXPECT_THAT(wynik.Bledy, HasSubstr("Błąd odczytu zakończenia pliku."));
    EXPECT_THAT(wynik.Bledy, Not(HasSubstr("Wystąpił błąd")));
}

}  // namespace
}  // namespace ramvel
