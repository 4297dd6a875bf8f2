// The bytes that go to the service manager and the answers read back from it,
// without a server.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "db/kv_config_db.h"
#include "db/kv_restore.h"
#include "db/kv_serwer_info.h"
#include "db/po_odtworzeniu.h"
#include "db/serwis.h"
#include "platform/bledy.h"

namespace ramvel {
namespace {

using namespace std::string_literals;

std::string LE32(uint32_t v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF), static_cast<char>((v >> 16) & 0xFF),
            static_cast<char>(v >> 24)};
}
std::string Tekst16(char pozycja, const std::string& tekst) {
    return std::string(1, pozycja) + static_cast<char>(tekst.size() & 0xFF) + static_cast<char>(tekst.size() >> 8) +
           tekst;
}

// The restore sequence's settings.
TkvRestore OdtworzenieSekwencji(const std::string& katalog, const std::string& nazwa) {
    TkvRestore r;
    r.NazwaKopii = r.NazwaBazy = nazwa;
    r.KatalogKopii = r.KatalogBazy = katalog;
    r.IloscPlikowKopii = 1;
    r.Zastap = r.Szczegolowo = true;
    return r;
}

TEST(SufiksPliku, KolejnePlikiZestawu) {
    struct {
        int32_t I, N;
        const char* Sufiks;
    } const przypadki[] = {
        {1, 1, ".gbk"}, {1, 3, ".gbk"}, {2, 3, ".gbk1"}, {3, 3, ".gbkK"}, {2, 4, ".gbk1"}, {3, 4, ".gbk2"},
        {4, 4, ".gbkK"}, {0, 1, ""},    {2, 1, ""},      {4, 3, ""},      {-1, 3, ""},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(SufiksPliku(p.I, p.N, ".gbk"), p.Sufiks) << p.I << "/" << p.N;
}

TEST(TkvRestore, WartosciPoUtworzeniu) {
    const TkvRestore r;
    EXPECT_EQ(r.RozmiarStrony, 8192);
    EXPECT_EQ(r.IloscPlikowKopii, 0);
    EXPECT_EQ(r.IloscPlikowBazy, 1);
    EXPECT_EQ(r.StronyPlikuBazy, 200000);
    EXPECT_FALSE(r.Zastap || r.ZachowajCienie || r.UstawForcedWrites || r.Szczegolowo || r.UsunBlokady ||
                 r.WylaczIndeksy);
    EXPECT_FALSE(r.OnLinia);
    EXPECT_EQ(r.NazwaBazy + r.NazwaKopii + r.KatalogBazy + r.KatalogKopii, "");
}

TEST(TkvRestore, SlowoOpcji) {
    struct {
        bool Zastap, Cienie, BezIndeksow;
        int32_t Slowo;
    } const przypadki[] = {
        {true, false, false, 4608},  {false, false, false, 8704}, {true, true, false, 4096},
        {false, true, true, 8448},   {true, false, true, 4864},
    };
    for (const auto& p : przypadki) {
        TkvRestore r;
        r.Zastap = p.Zastap;
        r.ZachowajCienie = p.Cienie;
        r.WylaczIndeksy = p.BezIndeksow;
        EXPECT_EQ(SlowoOpcji(r), p.Slowo) << p.Zastap << p.Cienie << p.BezIndeksow;
    }
}

TEST(TkvRestore, ZadanieSekwencjiOdtwarzania) {
    const TkvRestore r = OdtworzenieSekwencji("/dane/Temp/Baza", "FIRMA");
    const std::string oczekiwane = "\x02"s                                    // isc_action_svc_restore
                                   + "\x6C"s + LE32(4608)                     // options
                                   + "\x6B"s                                  // verbose
                                   + "\x0A"s + LE32(8192)                     // page size
                                   + Tekst16(5, "/dane/Temp/Baza/FIRMA.gbk")  // backup file
                                   + Tekst16(106, "/dane/Temp/Baza/FIRMA.gdb") + "\x0B"s + LE32(200000);
    EXPECT_EQ(ZadanieOdtworzenia(r, ".gdb"), oczekiwane);
}

TEST(TkvRestore, ZadanieTrzechPlikowBezSzczegolowIRozmiaruStrony) {
    TkvRestore r;
    r.NazwaBazy = "F";
    r.KatalogBazy = "/b";
    r.IloscPlikowBazy = 3;
    r.RozmiarStrony = 0;
    // No backup file: the item is left out and the server rejects the request.
    const std::string oczekiwane = "\x02"s + "\x6C"s + LE32(8704)                     //
                                   + Tekst16(106, "/b/F.gdb") + "\x0B"s + LE32(200000)  //
                                   + Tekst16(106, "/b/F.gdb1") + "\x0B"s + LE32(200000) //
                                   + Tekst16(106, "/b/F.gdbK") + "\x0B"s + LE32(200000);
    EXPECT_EQ(ZadanieOdtworzenia(r, ".gdb"), oczekiwane);
    EXPECT_THAT(PlikiKopii(r), testing::IsEmpty());
}

TEST(TkvRestore, DlugaNazwaMaDwaBajtyDlugosci) {
    TkvRestore r = OdtworzenieSekwencji("/k", std::string(300, 'x'));
    const std::string zadanie = ZadanieOdtworzenia(r, ".gdb");
    const std::string kopia = "/k/" + std::string(300, 'x') + ".gbk";
    EXPECT_NE(zadanie.find(Tekst16(5, kopia)), std::string::npos);
    r.NazwaKopii = std::string(70000, 'x');
    EXPECT_THROW(ZadanieOdtworzenia(r, ".gdb"), EBlad);
}

TEST(ParametryPolaczeniaSerwisu, WersjaUzytkownikHasloIKonfiguracjaKlienta) {
    EXPECT_EQ(ParametryPolaczeniaSerwisu("SYSKVR", "0123456789"),
              "\x02\x02\x1C\x06SYSKVR\x1D\x0A"s "0123456789" "\x7B\x19Providers=Remote,Loopback"s);
}

TEST(CzytajLinieSerwisu, KsztaltOdpowiedzi) {
    const auto linia = CzytajLinieSerwisu("\x3E\x05\x00gbak:\x01"s + std::string(10, '\0'));
    EXPECT_FALSE(linia.Koniec);
    EXPECT_EQ(linia.Tekst, "gbak:");
    EXPECT_TRUE(CzytajLinieSerwisu("\x3E\x00\x00\x01"s).Koniec);
    const std::string zle[] = {
        ""s,                          // nothing
        "\x01"s,                      // isc_info_end alone
        "\x02\x01"s,                  // isc_info_truncated
        "\x3F\x00\x00\x01"s,          // another item
        "\x3E\x05\x00gbak:\x02"s,     // no isc_info_end after the text
        "\x3E\x05\x00gbak:"s,         // the buffer ends after the text
        "\x3E\xFF\xFF\x41\x01"s,      // a length beyond the buffer
        "\x3E\x05"s,                  // half a length
    };
    for (const auto& odpowiedz : zle)
        EXPECT_THROW(CzytajLinieSerwisu(odpowiedz), EBlad) << testing::PrintToString(odpowiedz);
}

TEST(TKoniecOdtwarzania, TylkoLiniaZakonczeniaNaKoncu) {
    const std::string koniec = "gbak:finishing, closing, and going home ";
    const std::string flagi = "gbak:adjusting the ONLINE and FORCED WRITES flags ";
    struct {
        std::vector<std::string> Linie;
        bool Zakonczone;
    } const przypadki[] = {
        {{}, false},
        {{"gbak:opened file /k/F.gbk ", "gbak:restoring data for table BLOKADA "}, false},
        {{"gbak:opened file /k/F.gbk ", koniec}, true},
        {{"gbak:opened file /k/F.gbk ", koniec, flagi}, true},
        {{koniec, "gbak: ERROR:something after the end"}, false},
        {{koniec, flagi, "gbak:restoring data for table X "}, false},
        {{flagi}, false},
        {{"finishing, closing, and going home"}, true},
    };
    for (const auto& p : przypadki) {
        TKoniecOdtwarzania stan;
        for (const auto& l : p.Linie)
            stan.Linia(l);
        EXPECT_EQ(stan.Zakonczone(), p.Zakonczone) << testing::PrintToString(p.Linie);
    }
}

TEST(CzytajOdpowiedzWersji, TrzyElementyWDowolnejKolejnosci) {
    const std::string wersja = "\x36"s + LE32(2);
    const std::string serwer = Tekst16(55, "LI-V3.0.11.33637 Firebird 3.0");
    const std::string impl = Tekst16(56, "Firebird/Linux/AMD/Intel/x64");
    for (const auto& odpowiedz : {wersja + serwer + impl + "\x01"s, impl + wersja + serwer + "\x01"s}) {
        const auto w = CzytajOdpowiedzWersji(odpowiedz + std::string(20, '\0'));
        EXPECT_EQ(w.WersjaUslug, 2u);
        EXPECT_EQ(w.Wersja, "LI-V3.0.11.33637 Firebird 3.0");
        EXPECT_EQ(w.Implementacja, "Firebird/Linux/AMD/Intel/x64");
    }
    const std::string zle[] = {
        wersja + serwer + "\x01"s,                  // one missing
        wersja + serwer + impl + serwer + "\x01"s,  // one twice
        wersja + serwer + impl,                     // no isc_info_end
        wersja + serwer + "\x02"s + impl + "\x01"s, // isc_info_truncated
        wersja + Tekst16(55, "abc").substr(0, 4),   // text cut short
        "\x36\x01\x00"s,                            // number cut short
    };
    for (const auto& odpowiedz : zle)
        EXPECT_THROW(CzytajOdpowiedzWersji(odpowiedz), EBlad) << testing::PrintToString(odpowiedz);
}

TEST(SprawdzOdpowiedzKonfiguracji, ParyTekstyIKoniec) {
    EXPECT_NO_THROW(SprawdzOdpowiedzKonfiguracji("\x01"s));
    EXPECT_NO_THROW(SprawdzOdpowiedzKonfiguracji("\x35\x03\x01\x00\x07\x04\x02\x00\x10\x20\x7F"s +
                                                 Tekst16(58, "/var/lib/firebird/3.0/system/security3.fdb") +
                                                 Tekst16(59, "/usr/lib/firebird") + "\x01"s));
    const std::string zle[] = {
        ""s,
        "\x02"s,                        // isc_info_truncated
        "\x35\x03\x01\x00\x07"s,        // pairs without isc_info_flag_end
        "\x35\x03\xFF\x7F\x7F\x01"s,    // a pair longer than the answer
        "\x3E\x00\x00\x01"s,            // an item not asked for
        Tekst16(60, "/tmp/firebird"),  // no isc_info_end
    };
    for (const auto& odpowiedz : zle)
        EXPECT_THROW(SprawdzOdpowiedzKonfiguracji(odpowiedz), EBlad) << testing::PrintToString(odpowiedz);
}

TEST(PierwszaWersjaBazy, PierwszyTekstOdpowiedzi) {
    const std::string odpowiedz = "\x0C\x26\x00\x02\x1DLI-V3.0.11.33637 Firebird 3.0\x07LI-V3.0\x01"s;
    EXPECT_EQ(PierwszaWersjaBazy(odpowiedz), "LI-V3.0.11.33637 Firebird 3.0");
    for (const auto& zla : {"\x0D\x03\x00\x01\x01X\x01"s, "\x0C\x03\x00\x01\x05X\x01"s, "\x0C\x03\x00\x00\x01X\x01"s,
                            "\x0C\xFF\x00\x01\x01X\x01"s, "\x0C\x01"s})
        EXPECT_THROW(PierwszaWersjaBazy(zla), EBlad) << testing::PrintToString(zla);
}

TEST(TkvConfigDb, NazwaIZadanieTrybuZapisu) {
    EXPECT_EQ(NazwaBazyDoKonfiguracji("/bazy", "firma", ".gdb"), "/bazy/firma.gdb");
    EXPECT_EQ(NazwaBazyDoKonfiguracji("/bazy/", "firma.gdb", ".gdb"), "/bazy/firma.gdb");
    EXPECT_EQ(NazwaBazyDoKonfiguracji("/bazy", "firma.fdb", ".gdb"), "/bazy/firma.fdb.gdb");
    EXPECT_EQ(ZadanieTrybuZapisu("/b/f.gdb", true), "\x08"s + Tekst16(106, "/b/f.gdb") + "\x0C\x26"s);
    EXPECT_EQ(ZadanieTrybuZapisu("/b/f.gdb", false), "\x08"s + Tekst16(106, "/b/f.gdb") + "\x0C\x25"s);
}

}  // namespace
}  // namespace ramvel
