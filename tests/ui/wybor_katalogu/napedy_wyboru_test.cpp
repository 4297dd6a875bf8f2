#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "platform/srodowisko.h"
#include "ui/napedy_wyboru.h"
#include "wspolne/testy.h"

namespace ramvel {
namespace {

TEST(NapedyDoWyboru, NapisyListy) {
    EXPECT_EQ((TNaped{'A', "/media/floppy0", "", ""}).Napis(), "a: /media/floppy0");
    EXPECT_EQ((TNaped{'A', "/media/floppy0", "vfat", "KOPIA"}).Napis(), "a: /media/floppy0 [KOPIA]");
    EXPECT_EQ((TNaped{0, "/home", "ext4", "DANE"}).Napis(), "/home [DANE]");
    EXPECT_EQ((TNaped{0, "/", "ext4", ""}).Napis(), "/");
}

TEST(NapedyDoWyboru, DyskietkiPotemSystemyPlikówPotemInneLitery) {
    testy::TKatalogTymczasowy program;
    testy::ZapiszPlik(program / "ramvel.ini", "[NAPEDY]\r\nA=/media/floppy0\r\nK=/srv/kopie\r\n");
    const std::string poprzedni = KatalogProgramu();
    UstawKatalogProgramu(program.Sciezka());
    const auto napedy = NapedyDoWyboru();
    UstawKatalogProgramu(poprzedni);
    ASSERT_GE(napedy.size(), 4u);
    EXPECT_EQ(napedy[0].Napis(), "a: /media/floppy0");
    EXPECT_EQ(napedy[1].Napis(), "b: /media/floppy1");
    EXPECT_EQ(napedy[2].Katalog, "/");
    EXPECT_EQ(napedy.back().Napis(), "k: /srv/kopie");
}

TEST(NapedPoczatkowy, PierwszyGotowyPoDyskietkach) {
    const std::vector<TNaped> napedy = {
        {'A', "/a", "", ""}, {'B', "/b", "", ""}, {0, "/", "", ""}, {0, "/home", "", ""}, {'K', "/k", "", ""}};
    struct {
        std::set<std::string> Gotowe;
        int Oczekiwany;
    } const przypadki[] = {
        {{"/a", "/b", "/", "/home", "/k"}, 2},
        {{"/a", "/b", "/home", "/k"}, 3},
        {{"/a", "/k"}, 4},
        {{"/a", "/b"}, -1},  // the diskettes are never where the picker starts
        {{}, -1},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(NapedPoczatkowy(napedy, [&](const TNaped& n) { return p.Gotowe.count(n.Katalog) > 0; }),
                  p.Oczekiwany);
}

TEST(NapedGotowy, NośnikZMiejscemNieRamdyskNieCd) {
    testy::TKatalogTymczasowy katalog;
    EXPECT_TRUE(NapedGotowy({0, katalog.Sciezka(), "ext4", ""}));
    EXPECT_FALSE(NapedGotowy({0, katalog / "nie-ma", "ext4", ""}));
    EXPECT_FALSE(NapedGotowy({0, katalog.Sciezka(), "tmpfs", ""}));
    EXPECT_FALSE(NapedGotowy({0, katalog.Sciezka(), "iso9660", ""}));
}

TEST(NapedSciezki, NajbliższyKatalogNapędu) {
    const std::vector<TNaped> napedy = {{0, "/", "", ""}, {0, "/media/usb", "", ""}, {0, "/media/usb2", "", ""}};
    EXPECT_EQ(NapedSciezki(napedy, "/media/usb2/kopie"), 2);
    EXPECT_EQ(NapedSciezki(napedy, "/media/usb"), 1);
    EXPECT_EQ(NapedSciezki(napedy, "/media/usbx"), 0);
    EXPECT_EQ(NapedSciezki(napedy, "/"), 0);
    EXPECT_EQ(NapedSciezki(napedy, "kopie"), -1);
    EXPECT_EQ(NapedSciezki({}, "/x"), -1);
}

}  // namespace
}  // namespace ramvel
