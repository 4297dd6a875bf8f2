// The tool's ZIP commands: what they print and the exit code.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "archiwa_testowe.h"
#include "files/zip/narzedzie_zip.h"
#include "wspolne/testy.h"

namespace ramvel::testy {
namespace {

TEST(ZipNarzedzie, ListaTestIRozpakowanie) {
    TKatalogTymczasowy katalog;
    const std::string archiwum = katalog / "kopia.dat";  // recognised by content, not by name
    ZapiszPlik(archiwum, ZbudujZip({
        {.Nazwa = "dane/", .CzasDos = 0x58A95C21},
        {.Nazwa = "dane/firma.gbk", .Dane = std::string(5000, 'f'), .Metoda = 8, .CzasDos = 0x58A95C21},
        {.Nazwa = "zly.txt", .Dane = "treść", .Crc = 7, .CzasDos = 0x58A95C21},
    }));
    std::ostringstream lista;
    EXPECT_EQ(ZipLista(archiwum, lista), 0);
    EXPECT_THAT(lista.str(), testing::HasSubstr("Deflated"));
    EXPECT_THAT(lista.str(), testing::HasSubstr("2024-05-09 11:33  dane/firma.gbk\n"));
    EXPECT_THAT(lista.str(), testing::HasSubstr("Pozycji: 3"));

    std::ostringstream test;
    EXPECT_EQ(ZipTestuj(archiwum, test), 1);
    EXPECT_EQ(test.str(), "dane/: OK\ndane/firma.gbk: OK\nzly.txt: Błąd sumy CRC\nPozycji z błędami: 1.\n");

    std::ostringstream rozpakowanie;
    EXPECT_EQ(ZipRozpakuj(archiwum, katalog / "cel", rozpakowanie, false), 1);
    EXPECT_EQ(rozpakowanie.str(), "zly.txt: Błąd sumy CRC\nWypakowano plików: 2, nie wypakowano: 1.\n");
    EXPECT_EQ(CzytajPlik(katalog / "cel/dane/firma.gbk"), std::string(5000, 'f'));
}

TEST(ZipNarzedzie, NiepowodzenieCalosci) {
    TKatalogTymczasowy katalog;
    ZapiszPlik(katalog / "tekst.zip", "to nie jest archiwum");
    std::ostringstream wyjscie;
    EXPECT_EQ(ZipRozpakuj(katalog / "tekst.zip", katalog / "cel", wyjscie), 1);
    EXPECT_EQ(wyjscie.str(), "Wypakowanie plików zakończone niepowodzeniem.\nZbiór nie jest poprawnym archiwum ZIP\n");
    std::ostringstream test;
    EXPECT_EQ(ZipTestuj(katalog / "tekst.zip", test), 1);
    std::ostringstream lista;
    EXPECT_EQ(ZipLista(katalog / "brak.zip", lista), 1);
    EXPECT_EQ(lista.str(), "Zbiór nie jest poprawnym archiwum ZIP\n");
}

TEST(ZipNarzedzie, UdaneRozpakowanie) {
    TKatalogTymczasowy katalog;
    ZapiszPlik(katalog / "a.zip", ZbudujZip({{.Nazwa = "a/b.txt", .Dane = "b"}}));
    std::ostringstream wyjscie;
    EXPECT_EQ(ZipRozpakuj(katalog / "a.zip", katalog / "cel", wyjscie), 0);
    EXPECT_EQ(wyjscie.str(), "  a/b.txt\nWypakowano plików: 1.\n");
}

}  // namespace
}  // namespace ramvel::testy
