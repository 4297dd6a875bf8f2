#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/systemy_plikow.h"
#include "wspolne/testy.h"

namespace ramvel {
namespace {

using testing::ElementsAre;

std::vector<std::string> Opisy(const std::vector<TSystemPlikow>& systemy) {
    std::vector<std::string> opisy;
    for (const auto& s : systemy)
        opisy.push_back(s.Katalog + " " + s.Typ + " " + s.Urzadzenie + (s.Etykieta.empty() ? "" : " [" + s.Etykieta + "]"));
    return opisy;
}

TEST(SystemyPlikow, TablicaMontowańZKodamiÓsemkowymi) {
    const auto systemy = CzytajTabliceMontowan(
        "/dev/sdb1 /media/jan/M\\303\\223J\\040DYSK vfat rw,nosuid 0 0\n"
        "śmieci\n"
        "\n"
        "proc /proc proc rw 0 0\n"
        "/dev/sdc1 /mnt/a\\134b ext4 rw 0 0\n"
        "/dev/sdd1 /mnt/zly\\09 ext4 rw 0 0");
    EXPECT_THAT(Opisy(systemy), ElementsAre("/media/jan/MÓJ DYSK vfat /dev/sdb1", "/proc proc proc",
                                            "/mnt/a\\b ext4 /dev/sdc1", "/mnt/zly\\09 ext4 /dev/sdd1"));
}

TEST(SystemyPlikow, DoWyboruKorzeńHomeMediaMnt) {
    const auto zamontowane = CzytajTabliceMontowan(
        "/dev/sda1 / ext4 rw 0 0\n"
        "proc /proc proc rw 0 0\n"
        "tmpfs /tmp tmpfs rw 0 0\n"
        "/dev/sda2 /home ext4 rw 0 0\n"
        "/dev/sda3 /home/jan ext4 rw 0 0\n"
        "/dev/sdb1 /media/jan/PENDRIVE vfat rw 0 0\n"
        "/dev/sdc1 /mediateka ext4 rw 0 0\n"
        "/dev/sdd1 /mnt/dane ext4 rw 0 0\n"
        "/dev/sde1 /mnt/dane xfs rw 0 0\n");
    const auto systemy = SystemyPlikowDoWyboru(zamontowane, {{"/dev/sdb1", "PENDRIVE"}, {"/dev/sde1", "NOWY"}});
    EXPECT_THAT(Opisy(systemy), ElementsAre("/ ext4 /dev/sda1", "/home ext4 /dev/sda2",
                                            "/media/jan/PENDRIVE vfat /dev/sdb1 [PENDRIVE]",
                                            "/mnt/dane xfs /dev/sde1 [NOWY]"));
}

TEST(SystemyPlikow, EtykietyZDowiązańWedługUrządzenia) {
    testy::TKatalogTymczasowy katalog;
    std::filesystem::create_directory(katalog / "by-label");
    testy::ZapiszPlik(katalog / "sdb1", "");
    testy::ZapiszPlik(katalog / "sdc1", "");
    std::filesystem::create_symlink("../sdb1", katalog / "by-label/M\\xc3\\x93J\\x20DYSK");
    std::filesystem::create_symlink("../sdc1", katalog / "by-label/DANE");
    std::filesystem::create_symlink("../brak", katalog / "by-label/ZERWANE");
    const auto etykiety = EtykietyUrzadzen(katalog / "by-label");
    EXPECT_EQ(etykiety.size(), 2u);
    EXPECT_EQ(etykiety.at(katalog / "sdb1"), "MÓJ DYSK");
    EXPECT_EQ(etykiety.at(katalog / "sdc1"), "DANE");
    EXPECT_TRUE(EtykietyUrzadzen(katalog / "nie-ma").empty());
}

TEST(SystemyPlikow, TenKomputerMaKorzeń) {
    const auto systemy = SystemyPlikowDoWyboru();
    ASSERT_FALSE(systemy.empty());
    EXPECT_EQ(systemy.front().Katalog, "/");
}

}  // namespace
}  // namespace ramvel
