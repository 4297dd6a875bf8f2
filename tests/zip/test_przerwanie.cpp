// The user's stop key, the window's turns between blocks, and the marker that
// refuses a second extraction started from inside the first.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include "archiwa_testowe.h"
#include "files/zip/blokada_zip.h"
#include "files/zip/rozpakuj_archiwum.h"
#include "files/zip/unzip_int.h"
#include "ui/konsola/zdarzenia_konsoli.h"
#include "ui/zdarzenia_okien.h"
#include "wspolne/testy.h"
#include "zapis_raportow.h"

namespace ramvel::testy {
namespace {

namespace fs = std::filesystem;

// Presses the stop key at the given sample and counts the window's turns.
class TZdarzeniaTestowe : public IZdarzeniaOkien {
public:
    explicit TZdarzeniaTestowe(int naKtorymPytaniu) : FNaKtorym(naKtorymPytaniu) {
        FPoprzednie = UstawZdarzeniaOkien(this);
    }
    ~TZdarzeniaTestowe() override { UstawZdarzeniaOkien(FPoprzednie); }
    void Rozpocznij() override { ++FRozpoczete; }
    void Zakoncz() override { --FRozpoczete; }
    void PrzetworzZdarzenia() override { ++Przetworzen; }
    bool PrzerwanieWcisniete() override {
        ++Pytan;
        return Pytan == FNaKtorym;
    }
    int Przetworzen = 0, Pytan = 0;
    int Rozpoczete() const { return FRozpoczete; }

private:
    int FNaKtorym;
    int FRozpoczete = 0;
    IZdarzeniaOkien* FPoprzednie;
};

std::string Losowe(size_t dlugosc) {
    std::string wynik(dlugosc, '\0');
    uint32_t x = 7;
    for (auto& c : wynik) {
        x = x * 1664525u + 1013904223u;
        c = static_cast<char>(x >> 24);
    }
    return wynik;
}

TEST(ZipPrzerwanie, EscapeKonczyIUsuwaCzesciowyPlik) {
    TKatalogTymczasowy katalog;
    const std::string archiwum = katalog / "kopia.zip";
    // Random data stays as large deflated: 1 MB is 256 input blocks, and the
    // percent moves at nearly each of them.
    ZapiszPlik(archiwum, ZbudujZip({{.Nazwa = "pierwszy.txt", .Dane = "gotowy"},
                                    {.Nazwa = "duzy.gbk", .Dane = Losowe(1 << 20), .Metoda = 8},
                                    {.Nazwa = "ostatni.txt", .Dane = "nigdy"}}));
    const std::string cel = katalog / "cel";
    TZdarzeniaTestowe zdarzenia(40);
    TZapisRaportow raporty;
    TUnzipInt unzip;
    unzip.UstawArchiwum(archiwum);
    unzip.UstawKatalogDocelowy(cel);
    unzip.UstawRaport(raporty.Proc());
    EXPECT_EQ(unzip.Rozpakuj(), -5);
    EXPECT_EQ(zdarzenia.Pytan, 40);
    EXPECT_GT(zdarzenia.Przetworzen, 40);
    EXPECT_EQ(zdarzenia.Rozpoczete(), 0) << "the stop key is watched only while extracting";
    ASSERT_FALSE(raporty.Raporty().empty());
    EXPECT_EQ(raporty.Raporty().back().Wartosc, -100);
    EXPECT_EQ(raporty.Raporty().back().Raport.Status, -5);
    EXPECT_EQ(CzytajPlik(cel + "/pierwszy.txt"), "gotowy");
    EXPECT_FALSE(fs::exists(cel + "/duzy.gbk"));
    EXPECT_FALSE(fs::exists(cel + "/ostatni.txt"));
}

TEST(ZipPrzerwanie, DrugieRozpakowanieZWnetrzaPierwszegoOdrzucone) {
    TKatalogTymczasowy katalog;
    const std::string archiwum = katalog / "kopia.zip";
    ZapiszPlik(archiwum, ZbudujZip({{.Nazwa = "a.txt", .Dane = "aaaa"}, {.Nazwa = "b.txt", .Dane = "bbbb"}}));
    int32_t wewnetrzny = 0;
    TZapisRaportow wewnetrzneRaporty;
    TUnzipInt zewnetrzny;
    zewnetrzny.UstawArchiwum(archiwum);
    zewnetrzny.UstawKatalogDocelowy(katalog / "zewnatrz");
    zewnetrzny.UstawRaport([&](int32_t, TRaportZip& raport) {
        if (raport.Status != -1001 || wewnetrzny != 0)
            return;
        TUnzipInt drugi;
        drugi.UstawArchiwum(archiwum);
        drugi.UstawKatalogDocelowy(katalog / "wewnatrz");
        drugi.UstawRaport(wewnetrzneRaporty.Proc());
        wewnetrzny = drugi.Rozpakuj();
    });
    EXPECT_EQ(zewnetrzny.Rozpakuj(), 2);
    EXPECT_EQ(wewnetrzny, -8);
    EXPECT_EQ(wewnetrzneRaporty.Raporty().back().Raport.Status, -8);
    EXPECT_FALSE(fs::exists(katalog / "wewnatrz/a.txt"));
    EXPECT_EQ(CzytajPlik(katalog / "zewnatrz/b.txt"), "bbbb");
}

TEST(ZipPrzerwanie, ZnacznikZajetosciPorzuconyPo30Sekundach) {
    struct TPrzypadek {
        const char* Opis;
        bool Przetwarzal;   // the holder processed messages at tick 1000
        uint32_t Teraz;
        bool Zajety;
    };
    const TPrzypadek przypadki[] = {
        {"bez przetwarzania nigdy porzucony", false, 1000000, false},
        {"po 30000 ms jeszcze zajęty", true, 31000, false},
        {"po 30001 ms porzucony", true, 31001, true},
        {"licznik przekręcony", true, 1000 + 40000, true},
    };
    for (const auto& p : przypadki) {
        TBlokadaZip blokada;
        ASSERT_TRUE(blokada.Zajmij(0));
        if (p.Przetwarzal)
            blokada.Przetworzono(1000);
        EXPECT_EQ(blokada.Zajmij(p.Teraz), p.Zajety) << p.Opis;
        blokada.Zwolnij();
        EXPECT_TRUE(blokada.Zajmij(p.Teraz)) << p.Opis;
    }
    TBlokadaZip przekrecony;
    przekrecony.Zajmij(0);
    przekrecony.Przetworzono(0xFFFFFF00u);
    EXPECT_FALSE(przekrecony.Zajmij(0x00000100u)) << "512 ms across the wrap";
}

// The terminal's stop key: Ctrl+C only raises the flag while a job watches.
TEST(ZipPrzerwanie, CtrlCWTerminalu) {
    static volatile std::sig_atomic_t wlasny = 0;
    struct sigaction poprzednia{}, nasza{};
    nasza.sa_handler = [](int) { wlasny = 1; };
    sigemptyset(&nasza.sa_mask);
    sigaction(SIGINT, &nasza, &poprzednia);
    {
        TZdarzeniaKonsoli konsola;
        konsola.Rozpocznij();
        EXPECT_FALSE(konsola.PrzerwanieWcisniete());
        std::raise(SIGINT);
        EXPECT_TRUE(konsola.PrzerwanieWcisniete());
        EXPECT_FALSE(konsola.PrzerwanieWcisniete()) << "one press stops once";
        konsola.Zakoncz();
    }
    EXPECT_EQ(wlasny, 0);
    std::raise(SIGINT);
    EXPECT_EQ(wlasny, 1) << "the handler in place before comes back";
    sigaction(SIGINT, &poprzednia, nullptr);
}

}  // namespace
}  // namespace ramvel::testy
