// The translation of database errors and the handler, on messages made here,
// and the translation tables as data.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "db/blad_firebird.h"
#include "db/komunikaty_bazy.h"
#include "db/obsluga_bledu_bazy.h"
#include "db/tlumacz_blad_bazy.h"
#include "platform/bledy.h"
#include "ui/konsola/konsola.h"
#include "ui/konsola/okno_bledu_bazy_konsoli.h"
#include "ui/skrypt/okno_bledu_bazy_skryptu.h"
#include "ui/skrypt/skrypt.h"

namespace ramvel {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

std::string Tlumacz(int32_t kod, const std::string& tresc) { return TlumaczBladBazy(EBladFirebird(tresc, 0, kod), nullptr); }

TEST(WstawWartosci, WartosciZLiniiSzczegolow) {
    const std::string warunekPl = "Operacja naruszyła warunek <string> w widoku lub tabeli <string2>";
    const std::string warunekEn = "Operation violates CHECK constraint <string> on view or table <string2>";
    const struct {
        const char* Tresc;
        std::string Wynik;
    } przypadki[] = {
        {"Operation violates CHECK constraint.\r\nOperation violates CHECK constraint CHK_ILOSC on view or table "
         "POZYCJA\r\n",
         "Operacja naruszyła warunek CHK_ILOSC w widoku lub tabeli POZYCJA"},
        // Four lines: the fourth; six lines: the fifth.
        {"a\r\nb\r\nc\r\nOperation violates CHECK constraint C1 on view or table T1\r\n",
         "Operacja naruszyła warunek C1 w widoku lub tabeli T1"},
        {"a\r\nb\r\nc\r\nd\r\nOperation violates CHECK constraint C2 on view or table T2\r\nf\r\n",
         "Operacja naruszyła warunek C2 w widoku lub tabeli T2"},
        // Three or five lines, or an empty detail line: nothing.
        {"a\r\nOperation violates CHECK constraint C on view or table T\r\nc\r\n", ""},
        {"a\r\nb\r\nc\r\nd\r\ne\r\n", ""},
        {"a\r\n\r\n", ""},
        // Without the text that should follow it a value runs to the next
        // blank, and the positions after it no longer meet the line.
        {"a\r\nOperation violates CHECK constraint XYZ_123 and more\r\n",
         "Operacja naruszyła warunek XYZ_123 w widoku lub tabeli "},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(WstawWartosci(warunekPl, p.Tresc, warunekEn), p.Wynik) << p.Tresc;
}

TEST(WstawWartosci, OstatniaWartoscBiegnieDoKoncaLinii) {
    // The closing quote of the line comes along: two quotes at the end.
    EXPECT_EQ(WstawWartosci("Błąd walidacji w kolumnie <string>, wartość \"<string2>\"",
                            "x\r\nvalidation error for column ILOSC, value \"12\"\r\n",
                            "validation error for column <string>, value \"<string2>\""),
              "Błąd walidacji w kolumnie ILOSC, wartość \"12\"\"");
    // Positions count characters: a Polish letter before the value moves nothing.
    EXPECT_EQ(WstawWartosci("Kolumna <string> w tablicy <string2>", "x\r\ncolumn ŻÓŁW is not defined in table ŁĄKA\r\n",
                            "column <string> is not defined in table <string2>"),
              "Kolumna ŻÓŁW w tablicy ŁĄKA");
}

TEST(TlumaczBladBazy, RegulyDlaKodow) {
    const struct {
        int32_t Kod;
        const char* Tresc;
        const char* Wynik;
    } przypadki[] = {
        {0, "Baza danych nie jest połączona.\r\n", "Nieznany błąd bazy danych"},
        {335544999, "Cokolwiek.\r\n", "Nieznany błąd bazy danych"},
        {335544336, "Deadlock.\r\n", "Zakleszczenie"},
        {335544721, "x\r\n", "Połączenie z bazą danych zostało zerwane!\r\rNastąpi awaryjne wyjście z programu."},
        {335544337, "x\r\n", "Próba uruchomienia więcej niż <long> transakcji"},
        // Foreign keys: by name, else the general sentence (two lines) or nothing (three).
        {335544466,
         "Violation of FOREIGN KEY constraint \"\".\r\nViolation of FOREIGN KEY constraint "
         "\"FK_DANEKONT_KONTRAH_P_KONTRAH\" on table \"DANEKONT\".\r\n",
         "Nie można usunąć kontrahenta ponieważ jest nabywcą dla innych kontrahentów."},
        {335544466,
         "Violation of FOREIGN KEY constraint \"\".\r\nViolation of FOREIGN KEY constraint \"FK_INNE\" on table "
         "\"T\".\r\n",
         "Brak możliwości wykonania operacji. Ta pozycja tabeli ma powiązanie z innymi danymi."},
        {335544466,
         "Violation.\r\nViolation of FOREIGN KEY constraint \"FK_INNE\" on table \"T\".\r\nThird line.\r\n", ""},
        {335544466, "No key name here.\r\nSecond line.\r\n",
         "Brak możliwości wykonania operacji. Ta pozycja tabeli ma powiązanie z innymi danymi."},
        // Unique indexes and primary keys, names compared in upper case.
        {335544349,
         "X.\r\nAttempt to store duplicate value (visible to active transactions) in unique index \"mk_nipw\".\r\n",
         "Kontrahent o takim NIPie już istnieje."},
        {335544349,
         "X.\r\nAttempt to store duplicate value (visible to active transactions) in unique index \"MK_INNY\".\r\n",
         "Taka pozycja w tabeli już istnieje."},
        {335544665,
         "X.\r\nViolation of PRIMARY or UNIQUE KEY constraint \"PK_WYSTCECHYKONTRAH\" on table \"W\".\r\nKey.\r\n",
         "Zdefiniowano już wartość tej cechy dla tego kontrahenta."},
        {335544665, "X.\r\nViolation of PRIMARY or UNIQUE KEY constraint \"PK_INNY\" on table \"W\".\r\n",
         "Taka pozycja w tabeli już istnieje."},
        // Database exceptions without a connection to ask for the name.
        {335544517, "Exception .\r\nException 17.\r\nJAKIS_WYJATEK.\r\n", "Nieznany błąd bazy danych."},
        {335544517, "Exception .\r\nException 3.\r\n", "Wyjątek 3."},
        {335544517, "Exception .\r\nException 1.\r\nNAZWA.\r\nTekst wyjątku.\r\nAt trigger 'T' line: 1, col: 5.\r\n",
         "Tekst wyjątku."},
        {335544517, "at procedure 'P'.\r\nb\r\nc\r\n", "at procedure 'P'."},
        {335544517, "a\r\nb\r\nc\r\nd\r\npiąta\r\n", "piąta"},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(Tlumacz(p.Kod, p.Tresc), p.Wynik) << p.Kod << " " << p.Tresc;
}

TEST(ObsluzBladBazy, BrakBleduNicNieRobi) { EXPECT_NO_THROW(ObsluzBladBazy(nullptr, "TkvSQL", nullptr, "")); }

TEST(ObsluzBladBazy, InnyBladToZwyklyKomunikat) {
    TSkrypt skrypt;
    TOknoBleduBazySkryptu okno(skrypt);
    skrypt.Blad("błąd: \rcoś innego");
    const std::runtime_error inny("coś innego");
    EXPECT_THROW(ObsluzBladBazy(nullptr, "TkvSQL", &inny, "select 1"), EPrzerwanie);
    const EPrzerwanie przerwanie;
    EXPECT_THROW(ObsluzBladBazy(nullptr, "TkvSQL", &przerwanie, ""), EPrzerwanie);
    EXPECT_THAT(skrypt.Bledy(), IsEmpty());
    EXPECT_THAT(okno.Pokazane(), IsEmpty());
}

TEST(ObsluzBladBazy, ZerwanePolaczenieKonczyProgram) {
    std::vector<int> kody;
    auto poprzednie = UstawZakonczenieProgramu([&](int kod) { kody.push_back(kod); });
    TSkrypt skrypt;
    TOknoBleduBazySkryptu okno(skrypt);
    skrypt.Oczekuj("Informacja z bazy danych",
                   "Połączenie z bazą danych zostało zerwane!\r\rNastąpi awaryjne wyjście z programu.", "Ok");
    const EBladFirebird zerwane("Error reading data from the connection.\r\n", -902, kKodBleduKonczacegoProgram);
    EXPECT_THROW(ObsluzBladBazy(nullptr, "TkvSQL", &zerwane, ""), EPrzerwanie);
    EXPECT_THAT(kody, ElementsAre(1));
    EXPECT_TRUE(ProgramKonczySie());
    // While the program ends, further errors are not shown.
    const EBladFirebird kolejny("Deadlock.\r\n", -913, 335544336);
    EXPECT_THROW(ObsluzBladBazy(nullptr, "TkvSQL", &kolejny, ""), EPrzerwanie);
    EXPECT_EQ(okno.Pokazane().size(), 1u);
    EXPECT_THAT(skrypt.Bledy(), IsEmpty());
    ResetujKoniecProgramu();
    UstawZakonczenieProgramu(std::move(poprzednie));
}

TEST(ObsluzBladBazy, SzczegolyLiniaPoLinii) {
    const EBladFirebird blad("Pierwsza.\r\nDruga.\r\n", -803, 335544349);
    EXPECT_THAT(SzczegolyBleduBazy(blad, "SYSTEM", "TkvSQL", "insert into t\r\nvalues (1)\r\n"),
                ElementsAre("Kod wyjątku : 335544349", "Kod SQL : -803", "Baza danych :SYSTEM", "Obiekt :TkvSQL", "",
                            "Treść : Pierwsza.", "Druga.", "", "", "", "Skrypt:", "insert into t", "values (1)"));
    EXPECT_THAT(SzczegolyBleduBazy(blad, "", "TkvTransaction", ""),
                ElementsAre("Kod wyjątku : 335544349", "Kod SQL : -803", "Baza danych :", "Obiekt :TkvTransaction", "",
                            "Treść : Pierwsza.", "Druga."));
}

TEST(OknoBleduBazy, KonsolaPiszeTekstISzczegoly) {
    std::istringstream wejscie;
    std::ostringstream wyjscie;
    TKonsola konsola(wejscie, wyjscie);
    TOknoBleduBazyKonsoli okno(konsola);
    okno.Pokaz("Wyjątek: \rTekst.", {"Kod wyjątku : 1", "Treść : a"});
    EXPECT_EQ(wyjscie.str(),
              "\n== Informacja z bazy danych ==\nWyjątek: \nTekst.\n-- Szczegóły --\nKod wyjątku : 1\nTreść : a\n");
}

TEST(TabeleKomunikatow, KazdyKodTabeliMaWiersz) {
    std::vector<int32_t> oczekiwane;
    const std::pair<int, int> zakresy[] = {{1, 112},   {114, 143}, {145, 161}, {163, 163}, {165, 165}, {182, 182},
                                           {186, 192}, {195, 200}, {208, 235}, {237, 245}, {248, 308}, {310, 371},
                                           {377, 381}, {401, 401}};
    for (const auto& [od, do_] : zakresy)
        for (int n = od; n <= do_; ++n)
            oczekiwane.push_back(335544320 + n);
    ASSERT_EQ(oczekiwane.size(), 341u);
    EXPECT_EQ(KodyTabeli(), oczekiwane);

    int teksty = 0, szablony = 0, reguly = 0;
    for (const int32_t kod : oczekiwane) {
        const auto wiersz = KomunikatKodu(kod);
        ASSERT_TRUE(wiersz) << kod;
        switch (wiersz->Rodzaj) {
            case TKomunikatKodu::TRodzaj::Tekst:
                ++teksty;
                EXPECT_FALSE(wiersz->Polski.empty()) << kod;
                break;
            case TKomunikatKodu::TRodzaj::Szablon: {
                ++szablony;
                // Each fill replaces the first "<...>" of both: the order must agree.
                std::vector<std::string> pl, en;
                for (const char* z : {"<string>", "<string2>", "<string3>", "<long>", "<long2>", "<digit>", "<digit2>"}) {
                    if (wiersz->Polski.find(z) != std::string::npos)
                        pl.push_back(z);
                    if (wiersz->Angielski.find(z) != std::string::npos)
                        en.push_back(z);
                }
                EXPECT_FALSE(pl.empty()) << kod;
                EXPECT_EQ(pl, en) << kod;
                for (size_t i = 1; i < pl.size(); ++i) {
                    EXPECT_LT(wiersz->Polski.find(pl[i - 1]), wiersz->Polski.find(pl[i])) << kod;
                    EXPECT_LT(wiersz->Angielski.find(en[i - 1]), wiersz->Angielski.find(en[i])) << kod;
                }
                break;
            }
            case TKomunikatKodu::TRodzaj::Regula: ++reguly; break;
        }
    }
    EXPECT_EQ(teksty, 319);
    EXPECT_EQ(szablony, 18);
    EXPECT_EQ(reguly, 4);
    for (const int32_t kod : {335544349, 335544466, 335544517, 335544665})
        EXPECT_EQ(KomunikatKodu(kod)->Rodzaj, TKomunikatKodu::TRodzaj::Regula) << kod;
    EXPECT_FALSE(KomunikatKodu(335544320));
}

TEST(TabeleKomunikatow, TabeleNazw) {
    const auto ograniczenia = NazwyOgraniczen();
    EXPECT_EQ(ograniczenia.size(), 313u);
    EXPECT_EQ(std::set<std::string>(ograniczenia.begin(), ograniczenia.end()).size(), ograniczenia.size());
    for (const auto& nazwa : ograniczenia) {
        EXPECT_EQ(nazwa.rfind("FK_", 0), 0u) << nazwa;
        EXPECT_EQ(KomunikatOgraniczenia(nazwa).rfind("Nie można usunąć ", 0), 0u) << nazwa;
    }
    EXPECT_EQ(KomunikatOgraniczenia("FK_URZSKARB_BANKURZSK_BANK"),
              "Nie można usunąć banku ponieważ jest wykorzystany w urzędach skarbowych.");
    EXPECT_EQ(KomunikatOgraniczenia("fk_urzskarb_bankurzsk_bank"), "");

    const auto indeksy = NazwyIndeksow();
    EXPECT_EQ(indeksy.size(), 201u);
    for (const auto& nazwa : indeksy) {
        EXPECT_TRUE(nazwa.rfind("PK_", 0) == 0 || nazwa.rfind("MK_", 0) == 0) << nazwa;
        EXPECT_EQ(KomunikatIndeksu(nazwa).back(), '.') << nazwa;
    }
    EXPECT_EQ(KomunikatIndeksu("MK_NIPW"), "Kontrahent o takim NIPie już istnieje.");

    EXPECT_EQ(NazwyWyjatkow().size(), 22u);
    EXPECT_EQ(KomunikatWyjatku("STANMAG_NIEAKT_AJESTSTAN"),
              "Na kartotece na danym magazynie jeden ze stanów <> 0. Nie można ustawić że jest nieaktywna.");
    EXPECT_EQ(KomunikatWyjatku("MAGAZYN_PODLEGAKKH_MSMZ"),
              "Pole \"Magazyn podlega księgowaniu\" można zmieniać tylko gdy nie określono miejsc zakupu i sprzedaży.");
    EXPECT_EQ(KomunikatWyjatku(""), "");
}

}  // namespace
}  // namespace ramvel
