// Registration of a restored company in a system database made for the test,
// through the machine's server.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/rejestracja.h"
#include "db/kv_database.h"
#include "db/test_polaczenia.h"
#include "db/kv_query.h"
#include "db/kv_transaction.h"
#include "narzedzia_firebirda.h"
#include "platform/bledy.h"
#include "serwer_testowy.h"
#include "ui/skrypt/okno_bledu_bazy_skryptu.h"
#include "ui/skrypt/skrypt.h"

namespace ramvel {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

std::vector<std::string> BazaSystemowa(int uzytkownicy) {
    std::vector<std::string> ddl = {
        "create table UZYTKOWNIK (ID_UZYTKOWNIK integer not null primary key, NAZWA varchar(20))",
        "create table FIRMA (ID_FIRMA integer not null primary key, IDENTYFIKATOR varchar(40), OPIS varchar(100))",
        "create table PRAWODOFIRMY (ID_FIRMA integer not null, ID_UZYTKOWNIK integer not null)",
        "create generator GEN_FIRMA",
        "set generator GEN_FIRMA to 10",
        "insert into FIRMA values (5, 'FIRMA1', 'Firma pierwsza')",
        "insert into PRAWODOFIRMY values (5, 1)",
    };
    for (int i = 1; i <= uzytkownicy; ++i)
        ddl.push_back("insert into UZYTKOWNIK values (" + std::to_string(i) + ", 'U" + std::to_string(i) + "')");
    return ddl;
}

class Rejestracja : public testing::Test {
protected:
    void SetUp() override {
        testy::CzekajNaSerwer();
        RAMVEL_WYMAGAJ_SERWERA();
        FProgram = std::make_unique<testy::TProgramTestowy>(FKatalog.Sciezka());
    }
    void TearDown() override { EXPECT_THAT(FSkrypt.Bledy(), IsEmpty()); }

    void Systemowa(int uzytkownicy, const std::vector<std::string>& dodatkowe = {}) {
        auto ddl = BazaSystemowa(uzytkownicy);
        ddl.insert(ddl.end(), dodatkowe.begin(), dodatkowe.end());
        FSystemowa = testy::Ponawiaj(
            [&] { return std::make_unique<testy::TBazaTestowa>(FKatalog / "systemkv.gdb", 3, ddl); });
    }

    // The rows of a query on the system database, columns joined with "|".
    std::vector<std::string> Wiersze(const std::string& zapytanie) {
        TkvDatabase baza;
        PolaczZBazaSystemowa(baza);
        return testy::WierszeZapytania(baza, zapytanie);
    }

    std::vector<std::string> Firmy() { return Wiersze("select ID_FIRMA, IDENTYFIKATOR, OPIS from FIRMA order by 1"); }
    std::vector<std::string> Prawa() {
        return Wiersze("select ID_FIRMA, ID_UZYTKOWNIK from PRAWODOFIRMY order by 1, 2");
    }
    std::string Generator() { return Wiersze("select gen_id(GEN_FIRMA, 0) from rdb$database")[0]; }

    testy::TKatalogSerwera FKatalog;
    std::unique_ptr<testy::TProgramTestowy> FProgram;
    std::unique_ptr<testy::TBazaTestowa> FSystemowa;
    TSkrypt FSkrypt;
};

TEST_F(Rejestracja, NowaFirmaDostajeNumerGeneratoraIPrawaKazdegoUzytkownika) {
    Systemowa(3);
    ZarejestrujFirme("FIRMA2", "Druga sp. z o.o.");
    EXPECT_THAT(Firmy(), ElementsAre("5|FIRMA1|Firma pierwsza", "11|FIRMA2|Druga sp. z o.o."));
    EXPECT_THAT(Prawa(), ElementsAre("5|1", "11|1", "11|2", "11|3"));
    EXPECT_EQ(Generator(), "11");
}

TEST_F(Rejestracja, ZarejestrowanaFirmaZostajeJakJest) {
    Systemowa(3);
    ZarejestrujFirme("FIRMA1", "Firma pierwsza");
    EXPECT_THAT(Firmy(), ElementsAre("5|FIRMA1|Firma pierwsza"));
    EXPECT_THAT(Prawa(), ElementsAre("5|1"));
    EXPECT_EQ(Generator(), "10");
}

TEST_F(Rejestracja, TenSamIdentyfikatorZInnymOpisemToNowaFirma) {
    Systemowa(1);
    ZarejestrujFirme("FIRMA1", "Firma pierwsza po zmianie");
    EXPECT_THAT(Firmy(), ElementsAre("5|FIRMA1|Firma pierwsza", "11|FIRMA1|Firma pierwsza po zmianie"));
    EXPECT_THAT(Prawa(), ElementsAre("5|1", "11|1"));
}

TEST_F(Rejestracja, BezUzytkownikowBezPraw) {
    Systemowa(0);
    ZarejestrujFirme("FIRMA2", "Druga");
    EXPECT_THAT(Firmy(), ElementsAre("5|FIRMA1|Firma pierwsza", "11|FIRMA2|Druga"));
    EXPECT_THAT(Prawa(), ElementsAre("5|1"));
}

// The values are parameters: quotes and Polish letters are stored as given
// and cannot change the statement.
TEST_F(Rejestracja, ApostrofyIPolskieLiteryZapisaneJakSa) {
    Systemowa(2);
    const std::string opis = "Łódź' ); delete from FIRMA; --";
    ZarejestrujFirme("O'Brien", opis);
    EXPECT_THAT(Firmy(), ElementsAre("5|FIRMA1|Firma pierwsza", "11|O'Brien|" + opis));
    // Found again by the lookup: a second registration adds nothing.
    ZarejestrujFirme("O'Brien", opis);
    EXPECT_THAT(Firmy(), ElementsAre("5|FIRMA1|Firma pierwsza", "11|O'Brien|" + opis));
    EXPECT_THAT(Prawa(), ElementsAre("5|1", "11|1", "11|2"));
}

// The rights statement fails after the company was inserted (a database
// exception the error window knows): one error window, and nothing of the
// registration stays.
TEST_F(Rejestracja, BladPolecaniaWycofujeWszystko) {
    Systemowa(3, {"create exception SLOWNIK_DLUGINR 'za dlugi'",
                  "create trigger PRAWO_BI for PRAWODOFIRMY before insert as begin exception SLOWNIK_DLUGINR; end"});
    TOknoBleduBazySkryptu okno(FSkrypt);
    FSkrypt.Oczekuj(kTytulOknaBleduBazy,
                    "Wyjątek: \rNie możesz dodać pozycji, gdyż jej NUMER jest za długi i nie mieści się w użytych "
                    "analitykach księgowych.",
                    "Ok");
    EXPECT_THROW(ZarejestrujFirme("FIRMA2", "Druga"), EPrzerwanie);
    EXPECT_EQ(okno.Pokazane().size(), 1u);
    EXPECT_THAT(Firmy(), ElementsAre("5|FIRMA1|Firma pierwsza"));
    EXPECT_THAT(Prawa(), ElementsAre("5|1"));
}

TEST_F(Rejestracja, BrakBazySystemowejToKomunikatyIPrzerwanie) {
    TTestDatabaseConnect test;
    test.CzytajUstawienia();
    ASSERT_FALSE(test.Testuj(false));
    FSkrypt.Blad("Błąd podczas łączenia z bazą danych.\r" + test.OstatniBlad)
        .Info("W celu konfiguracji połączenia z bazą danych uruchom program \"Norvik\"");
    EXPECT_THROW(ZarejestrujFirme("FIRMA2", "Druga"), EPrzerwanie);
}

}  // namespace
}  // namespace ramvel
