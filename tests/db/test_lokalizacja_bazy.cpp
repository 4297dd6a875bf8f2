// baza.set as TLokalizacjaBazyFile reads it, and the connection strings built from it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "db/lokalizacja_bazy.h"
#include "platform/bledy.h"
#include "platform/srodowisko.h"
#include "ui/skrypt/skrypt.h"
#include "wspolne/testy.h"

namespace ramvel {
namespace {

using testy::TKatalogTymczasowy;
using testy::ZapiszPlik;

class LokalizacjaBazy : public testing::Test {
protected:
    void SetUp() override { UstawKatalogProgramu(FProgram.Sciezka()); }
    void TearDown() override { UstawKatalogProgramu(""); }

    struct TOdczyt {
        bool Zdalna;
        std::string KatalogBazy, NazwaSerwera;
        uint8_t Protokol;
        std::string KatalogWspolny, KatalogProfilu, RozszerzenieBazy;
    };

    // Reads a baza.set of these lines (CR LF, Windows-1250 as written).
    TOdczyt Czytaj(const std::string& linie) {
        ZapiszPlik(FProgram / "baza.set", "[MAIN]\r\n" + linie);
        TLokalizacjaBazyFile plik("");
        plik.Czytaj();
        return {plik.Zdalna,         plik.KatalogBazy,    plik.NazwaSerwera,    plik.Protokol,
                plik.KatalogWspolny, plik.KatalogProfilu, plik.RozszerzenieBazy};
    }

    TKatalogTymczasowy FProgram;
};

TEST_F(LokalizacjaBazy, BrakPlikuDajeDomyslneUstawienia) {
    TLokalizacjaBazyFile plik("");
    EXPECT_EQ(plik.Plik(), FProgram / "baza.set");
    plik.Czytaj();
    EXPECT_TRUE(plik.Zdalna);
    EXPECT_EQ(plik.NazwaSerwera, "localhost");
    EXPECT_EQ(plik.Protokol, 0);
    EXPECT_EQ(plik.KatalogBazy, FProgram / "BAZA");
    EXPECT_EQ(plik.KatalogWspolny, FProgram / "SHARED");
    EXPECT_EQ(plik.KatalogProfilu, FProgram / "SHARED");
    EXPECT_EQ(plik.RozszerzenieBazy, ".gdb");
}

TEST_F(LokalizacjaBazy, RemoteJakoLiczba) {
    const struct {
        const char* Wartosc;
        bool Zdalna;
    } przypadki[] = {
        {"0", false}, {"1", true},    {"-1", true},  {"0x10", true}, {"tak", true}, {"0x0", false},
        {"$0", false}, {"$1F", true}, {"", true},    {"0x", true},   {"00", false}, {"99999999999", true},
    };
    for (const auto& p : przypadki) {
        const auto plik = Czytaj(std::string("REMOTE=") + p.Wartosc + "\r\n");
        EXPECT_EQ(plik.Zdalna, p.Zdalna) << "REMOTE=" << p.Wartosc;
    }
}

TEST_F(LokalizacjaBazy, LiczbyDziesietneISzesnastkowe) {
    EXPECT_EQ(LiczbaUstawienia("123"), 123);
    EXPECT_EQ(LiczbaUstawienia("-123"), -123);
    EXPECT_EQ(LiczbaUstawienia("0x1f"), 31);
    EXPECT_EQ(LiczbaUstawienia("$FF"), 255);
    EXPECT_EQ(LiczbaUstawienia("0xFFFFFFFF"), -1);
    EXPECT_EQ(LiczbaUstawienia("2147483647"), 2147483647);
    EXPECT_EQ(LiczbaUstawienia("-2147483648"), INT32_MIN);
    EXPECT_EQ(LiczbaUstawienia("2147483648"), std::nullopt);
    EXPECT_EQ(LiczbaUstawienia("0x100000000"), std::nullopt);
    EXPECT_EQ(LiczbaUstawienia("12a"), std::nullopt);
    EXPECT_EQ(LiczbaUstawienia(""), std::nullopt);
    EXPECT_EQ(LiczbaUstawienia("$"), std::nullopt);
}

TEST_F(LokalizacjaBazy, ProtokolJestOsmiobitowy) {
    EXPECT_EQ(Czytaj("PROTOCOL_NAME=256\r\n").Protokol, 0);
    EXPECT_EQ(Czytaj("PROTOCOL_NAME=258\r\n").Protokol, 2);
    EXPECT_EQ(Czytaj("PROTOCOL_NAME=-1\r\n").Protokol, 255);
    EXPECT_EQ(Czytaj("PROTOCOL_NAME=$2\r\n").Protokol, 2);
    EXPECT_EQ(Czytaj("PROTOCOL_NAME=SPX\r\n").Protokol, 0);
}

TEST_F(LokalizacjaBazy, KatalogiWspolnyIProfilu) {
    auto plik = Czytaj("SHARED_DIR=D:\\Wsp\r\n");
    EXPECT_EQ(plik.KatalogWspolny, "D:\\Wsp");
    EXPECT_EQ(plik.KatalogProfilu, "D:\\Wsp");
    plik = Czytaj("SHARED_DIR=/srv/wsp\r\nPROFIL_DIR=/srv/profil\r\n");
    EXPECT_EQ(plik.KatalogProfilu, "/srv/profil");
    plik = Czytaj("PROFIL_DIR=\r\n");
    EXPECT_EQ(plik.KatalogWspolny, FProgram / "SHARED");
    EXPECT_EQ(plik.KatalogProfilu, FProgram / "SHARED");
}

TEST_F(LokalizacjaBazy, PustePolaIDomyslne) {
    const auto plik = Czytaj("DATABASE_FILE_EXT=\r\nSERWER_NAME=\r\nDATABASE_DIR=\r\n");
    EXPECT_EQ(plik.RozszerzenieBazy, ".gdb");
    EXPECT_EQ(plik.NazwaSerwera, "");
    EXPECT_EQ(plik.KatalogBazy, FProgram / "BAZA");
}

TEST_F(LokalizacjaBazy, KluczeBezWzgleduNaWielkoscLiterIPolskieZnaki) {
    // Windows-1250 bytes: "/dane/księgowość" in the file's own code page.
    ZapiszPlik(FProgram / "baza.set",
               "[inne]\r\nREMOTE=1\r\n[main]\r\nremote=0\r\nDatabase_Dir=/dane/ksi\xEAgowo\x9C\xE6\r\n"
               "DATABASE_FILE_EXT=.fdb\r\n");
    TLokalizacjaBazyFile plik("");
    plik.Czytaj();
    EXPECT_FALSE(plik.Zdalna);
    EXPECT_EQ(plik.KatalogBazy, "/dane/księgowość");
    EXPECT_EQ(plik.RozszerzenieBazy, ".fdb");
}

TEST_F(LokalizacjaBazy, BladCzytaniaToKomunikatICichePrzerwanie) {
    // A directory where the file should be cannot be read as one.
    ASSERT_EQ(mkdir((FProgram / "baza.set").c_str(), 0755), 0);
    TSkrypt skrypt;
    skrypt.Blad("Błąd czytania ustawień dostępu do bazy danych.\rNie można odczytać pliku " + (FProgram / "baza.set"));
    TLokalizacjaBazyFile plik("");
    EXPECT_THROW(plik.Czytaj(), EPrzerwanie);
    EXPECT_THAT(skrypt.Bledy(), testing::IsEmpty());
}

TEST(SciezkaPolaczenia, PostaciDlaProtokolow) {
    EXPECT_EQ(SciezkaPolaczenia(false, "serwer", 0, "systemkv.gdb", "C:\\Dane\\"), "C:\\Dane\\systemkv.gdb");
    EXPECT_EQ(SciezkaPolaczenia(false, "serwer", 7, "systemkv.gdb", "/dane"), "/dane/systemkv.gdb");
    EXPECT_EQ(SciezkaPolaczenia(true, "serwer", 0, "f.gdb", "/dane/"), "serwer:/dane/f.gdb");
    EXPECT_EQ(SciezkaPolaczenia(true, "serwer", 1, "f.gdb", "C:\\Dane"), "\\\\serwer\\C:\\Dane\\f.gdb");
    EXPECT_EQ(SciezkaPolaczenia(true, "serwer", 2, "f.gdb", "C:\\Dane"), "serwer@C:\\Dane\\f.gdb");
    EXPECT_EQ(SciezkaPolaczenia(true, "serwer", 3, "f.gdb", "C:\\Dane"), "");
}

TEST(NazwaUslugi, ProtokolySerwisu) {
    EXPECT_EQ(ProtokolSerwisu(false, 0), TProtokolSerwisu::psLokalny);
    EXPECT_EQ(ProtokolSerwisu(false, 2), TProtokolSerwisu::psLokalny);
    EXPECT_EQ(ProtokolSerwisu(true, 0), TProtokolSerwisu::psTCP);
    EXPECT_EQ(ProtokolSerwisu(true, 1), TProtokolSerwisu::psNamedPipe);
    EXPECT_EQ(ProtokolSerwisu(true, 2), TProtokolSerwisu::psSPX);
    EXPECT_EQ(ProtokolSerwisu(true, 3), TProtokolSerwisu::psLokalny);
    EXPECT_EQ(NazwaUslugi(TProtokolSerwisu::psTCP, "srv"), "srv:service_mgr");
    EXPECT_EQ(NazwaUslugi(TProtokolSerwisu::psSPX, "srv"), "srv@service_mgr");
    EXPECT_EQ(NazwaUslugi(TProtokolSerwisu::psNamedPipe, "srv"), "\\\\srv\\service_mgr");
    EXPECT_EQ(NazwaUslugi(TProtokolSerwisu::psLokalny, "srv"), "service_mgr");
    // A remote server with protocol 3: no connection string, the local service.
    EXPECT_EQ(NazwaUslugi(ProtokolSerwisu(true, 3), "srv"), "service_mgr");
}

}  // namespace
}  // namespace ramvel
