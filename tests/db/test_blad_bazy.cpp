// Database errors produced on the real server reach the error window with the
// Polish sentence and the details, once, and end the operation silently.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "db/kv_database.h"
#include "db/kv_query.h"
#include "db/kv_sql.h"
#include "db/kv_transaction.h"
#include "platform/bledy.h"
#include "serwer_testowy.h"
#include "ui/skrypt/okno_bledu_bazy_skryptu.h"
#include "ui/skrypt/skrypt.h"

namespace ramvel {
namespace {

using testy::TBazaTestowa;
using testy::TKatalogSerwera;
using testing::ElementsAre;
using testing::IsEmpty;

// A small piece of the product's database: the keys, the index and the
// exception carry the names the translation tables know.
const std::vector<std::string> kSchemat = {
    "create table bank (id integer not null, nazwa varchar(40), constraint pk_bank primary key (id))",
    "create table urzskarb (id integer not null primary key, bank integer, "
    "constraint FK_URZSKARB_BANKURZSK_BANK foreign key (bank) references bank(id))",
    "create table kasa (id integer not null primary key, bank integer, "
    "constraint FK_NIEZNANE_OGRANICZENIE foreign key (bank) references bank(id))",
    "create table kontrah (id integer not null primary key, nipw varchar(20))",
    "create unique index MK_NIPW on kontrah(nipw)",
    "create table wystcechykontrah (id_cecha integer not null, id_kontrah integer not null, "
    "constraint PK_WYSTCECHYKONTRAH primary key (id_cecha, id_kontrah))",
    "create table slownik (numer varchar(40))",
    "create exception SLOWNIK_DLUGINR 'Numer jest za długi'",
    "create exception INNY_WYJATEK 'Coś źle, żółw nie dojechał'",
    "create trigger slownik_bi for slownik before insert as begin "
    "if (char_length(new.numer) > 5) then exception SLOWNIK_DLUGINR; "
    "if (new.numer = 'inny') then exception INNY_WYJATEK; end",
    "create table ilosc (wartosc integer)",
};

class BladBazy : public testing::Test {
protected:
    void SetUp() override {
        RAMVEL_WYMAGAJ_SERWERA();
        FPlik = std::make_unique<TBazaTestowa>(FKatalog / "firma.gdb", 3, kSchemat);
        testy::WykonajNaBazie(FPlik->Sciezka(), {"insert into bank values (1, 'PKO')",
                                                 "insert into urzskarb values (1, 1)",
                                                 "insert into kasa values (1, 1)",
                                                 "insert into kontrah values (1, '1234567890')",
                                                 "insert into wystcechykontrah values (1, 1)"});
        FBaza.KatalogBazy = FKatalog.Sciezka();
        FBaza.PlikBazy = "firma";
        FBaza.RozszerzenieBazy = ".gdb";
        FBaza.UstawPolaczenie();
        FBaza.Connected(true);
    }

    // Runs `sql` through TkvSQL.Wykonaj and returns what the window showed.
    TPokazanyBladBazy Wykonaj(const std::string& sql, const std::string& oczekiwanyTekst) {
        TkvTransaction transakcja(&FBaza);
        transakcja.Rozpocznij();
        TkvSQL polecenie(&FBaza, &transakcja);
        polecenie.SQL = {sql};
        TSkrypt skrypt;
        TOknoBleduBazySkryptu okno(skrypt);
        skrypt.Oczekuj("Informacja z bazy danych", oczekiwanyTekst, "Ok");
        EXPECT_THROW(polecenie.Wykonaj(), EPrzerwanie) << sql;
        EXPECT_THAT(skrypt.Bledy(), IsEmpty()) << sql;
        EXPECT_EQ(okno.Pokazane().size(), 1u) << sql;
        transakcja.Wycofaj();
        return okno.Pokazane().empty() ? TPokazanyBladBazy{} : okno.Pokazane().front();
    }

    TKatalogSerwera FKatalog;
    std::unique_ptr<TBazaTestowa> FPlik;
    TkvDatabase FBaza;
};

TEST_F(BladBazy, NaruszenieKluczaObcegoZeSzczegolami) {
    const auto pokazany = Wykonaj("delete from bank where id = 1",
                                  "Nie można usunąć banku ponieważ jest wykorzystany w urzędach skarbowych.");
    EXPECT_THAT(pokazany.Szczegoly,
                ElementsAre("Kod wyjątku : 335544466", "Kod SQL : -530", "Baza danych :", "Obiekt :TkvSQL", "",
                            "Treść : Violation of FOREIGN KEY constraint \"\".",
                            "Violation of FOREIGN KEY constraint \"FK_URZSKARB_BANKURZSK_BANK\" on table \"URZSKARB\".",
                            "Foreign key references are present for the record.",
                            "Problematic key value is (\"ID\" = 1).", "", "", "", "Skrypt:",
                            "delete from bank where id = 1"));
}

TEST_F(BladBazy, KluczObcySpozaTabeli) {
    testy::WykonajNaBazie(FPlik->Sciezka(), {"delete from urzskarb"});
    // Four lines: the fourth is the detail line, and the sentence has no value to fill.
    Wykonaj("delete from bank where id = 1",
            "Brak możliwości wykonania operacji. Ta pozycja tabeli ma powiązanie z innymi danymi.");
}

TEST_F(BladBazy, DuplikatWIndeksieUnikalnym) {
    Wykonaj("insert into kontrah values (2, '1234567890')", "Kontrahent o takim NIPie już istnieje.");
}

TEST_F(BladBazy, NaruszenieKluczaGlownego) {
    Wykonaj("insert into wystcechykontrah values (1, 1)", "Zdefiniowano już wartość tej cechy dla tego kontrahenta.");
}

TEST_F(BladBazy, WyjatekZWyzwalaczaZnanyZNazwy) {
    Wykonaj("insert into slownik values ('1234567')",
            "Wyjątek: \rNie możesz dodać pozycji, gdyż jej NUMER jest za długi i nie mieści się w użytych "
            "analitykach księgowych.");
}

TEST_F(BladBazy, WyjatekSpozaTabeliToJegoWlasnyKomunikat) {
    // The line before the one that begins with "At": the exception's own
    // text, with its Polish letters read back from Windows-1250.
    Wykonaj("insert into slownik values ('inny')", "Coś źle, żółw nie dojechał.");
}

TEST_F(BladBazy, SzablonyWypelnianeZKomunikatuSerwera) {
    Wykonaj("insert into ilosc values ('abc')", "Błąd konwersji tekstu \"abc\".");
    Wykonaj("insert into kontrah values (null, 'x')",
            "Błąd walidacji w kolumnie \"KONTRAH\".\"ID\", wartość \"*** null ***\".\"");
}

TEST_F(BladBazy, BladZapytaniaBezNazwyObiektu) {
    TkvTransaction transakcja(&FBaza);
    TkvQuery zapytanie(&FBaza, &transakcja);
    zapytanie.SelectSQL = {"select nieznana", "from bank"};
    TSkrypt skrypt;
    TOknoBleduBazySkryptu okno(skrypt);
    skrypt.Oczekuj("Informacja z bazy danych", "Błąd dynamicznego SQL", "Ok");
    EXPECT_THROW(zapytanie.Otworz(), EPrzerwanie);
    EXPECT_THAT(skrypt.Bledy(), IsEmpty());
    ASSERT_EQ(okno.Pokazane().size(), 1u);
    const auto& szczegoly = okno.Pokazane()[0].Szczegoly;
    EXPECT_EQ(szczegoly[3], "Obiekt :");
    EXPECT_THAT(std::vector<std::string>(szczegoly.end() - 3, szczegoly.end()),
                ElementsAre("Skrypt:", "select nieznana", "from bank"));
}

}  // namespace
}  // namespace ramvel
