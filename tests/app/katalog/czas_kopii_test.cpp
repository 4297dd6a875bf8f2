#include <gtest/gtest.h>

#include "app/data_czas.h"
#include "app/opis_kopii.h"

namespace ramvel {
namespace {

// 2008-10-10 is day 39731 after 1899-12-30.
constexpr double Dzien20081010 = 39731;

TEST(CzasKopii, CzytaDatęIGodzinęZeStałychMiejsc) {
    struct {
        const char* Tekst;
        double Oczekiwany;
    } const przypadki[] = {
        {"2008-10-10 9:05", Dzien20081010 + (9 * 60 + 5) / 1440.0},
        {"2008-10-10 09:05", Dzien20081010 + (9 * 60 + 5) / 1440.0},
        {"2008-10-10 14:30", Dzien20081010 + (14 * 60 + 30) / 1440.0},
        {"2008-10-10 0:00", Dzien20081010},
        {"2008/10/10 9:05", Dzien20081010 + (9 * 60 + 5) / 1440.0},  // separators are not checked
        {"1899-12-30 0:00", 0},
        {"1899-12-29 6:00", -1.25},  // before day 0 the time is counted away from it
        // Whatever fails gives day 0.
        {"2008-02-30 25:61", 0},
        {"2008-02-30 10:00", 0},
        {"2008-10-10 24:00", 0},
        {"2008-10-10 9:60", 0},
        {"2008-13-01 9:05", 0},
        {"0000-10-10 9:05", 0},
        {"20x8-10-10 9:05", 0},
        {"2008-10-10  9:05", 0},  // two blanks: the hour would be a blank
        {"2008-10-10 9:5", 0},
        {"2008-10-10", 0},        // no time part at all
        {"", 0},
        {"ąęść", 0},
    };
    for (const auto& p : przypadki)
        EXPECT_DOUBLE_EQ(CzasKopii(p.Tekst), p.Oczekiwany) << p.Tekst;
}

TEST(CzasKopii, LutyRokuPrzestępnego) {
    EXPECT_NE(CzasKopii("2008-02-29 10:00"), 0);
    EXPECT_EQ(CzasKopii("2007-02-29 10:00"), 0);
}

TEST(TekstDatyCzasu, KrótkaDataIDługiCzasRegionuBezStrefy) {
    const QLocale polski(QLocale::Polish, QLocale::Poland);
    const QLocale amerykanski(QLocale::English, QLocale::UnitedStates);
    const double czas = CzasKopii("2008-10-10 9:05");
    EXPECT_EQ(TekstDatyCzasu(czas, polski), "10.10.2008 09:05:00");
    EXPECT_EQ(TekstDatyCzasu(czas, amerykanski), "10/10/08 9:05:00 AM");
    EXPECT_EQ(TekstDatyCzasu(CzasKopii("2008-10-10 14:30"), polski), "10.10.2008 14:30:00");
}

TEST(TekstDatyCzasu, PółnocBezCzasu) {
    const QLocale polski(QLocale::Polish, QLocale::Poland);
    EXPECT_EQ(TekstDatyCzasu(CzasKopii("2008-10-10 0:00"), polski), "10.10.2008");
    EXPECT_EQ(TekstDatyCzasu(0, polski), "30.12.1899");
    EXPECT_EQ(TekstDatyCzasu(-1.25, polski), "29.12.1899 06:00:00");
}

}  // namespace
}  // namespace ramvel
