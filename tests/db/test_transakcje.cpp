// Transactions against the real server: nesting counts, commit retaining
// while nested, and where a failure goes.
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
using testing::IsEmpty;

class Transakcje : public testing::Test {
protected:
    void SetUp() override {
        RAMVEL_WYMAGAJ_SERWERA();
        FPlik = std::make_unique<TBazaTestowa>(FKatalog / "firma.gdb", 3,
                                               std::vector<std::string>{"create table t (id integer)"});
        Polacz(FBaza);
        Polacz(FInna);
    }

    void Polacz(TkvDatabase& baza) {
        baza.KatalogBazy = FKatalog.Sciezka();
        baza.PlikBazy = "firma";
        baza.RozszerzenieBazy = ".gdb";
        baza.UstawPolaczenie();
        baza.Connected(true);
    }

    void Wstaw(TkvTransaction& transakcja, int id) {
        TkvSQL polecenie(&FBaza, &transakcja);
        polecenie.SQL = {"insert into t values (" + std::to_string(id) + ")"};
        ASSERT_TRUE(polecenie.Wykonaj());
    }

    // Rows of t as another connection sees them (committed work only).
    int64_t WierszeWidziane(TkvDatabase& baza) {
        TkvTransaction transakcja(&baza);
        TkvQuery zapytanie(&baza, &transakcja);
        zapytanie.SelectSQL = {"select count(*) from t"};
        EXPECT_TRUE(zapytanie.Otworz());
        const int64_t wynik = zapytanie.Pole(0).JakoLiczba();
        zapytanie.Zamknij();
        transakcja.Zatwierdz();
        return wynik;
    }

    TKatalogSerwera FKatalog;
    std::unique_ptr<TBazaTestowa> FPlik;
    TkvDatabase FBaza;
    TkvDatabase FInna;
};

TEST_F(Transakcje, ZagniezdzoneZatwierdzenieRetainingPotemCommit) {
    TkvTransaction transakcja(&FBaza);
    ASSERT_TRUE(transakcja.Rozpocznij());
    ASSERT_TRUE(transakcja.Rozpocznij());
    EXPECT_EQ(transakcja.Zaglebienie(), 2);
    Wstaw(transakcja, 1);
    EXPECT_EQ(WierszeWidziane(FInna), 0);

    // The inner level commits and keeps the transaction open.
    ASSERT_TRUE(transakcja.Zatwierdz());
    EXPECT_TRUE(transakcja.Active());
    EXPECT_EQ(transakcja.Zaglebienie(), 1);
    EXPECT_EQ(WierszeWidziane(FInna), 1);
    Wstaw(transakcja, 2);
    EXPECT_EQ(WierszeWidziane(FInna), 1);

    ASSERT_TRUE(transakcja.Zatwierdz());
    EXPECT_FALSE(transakcja.Active());
    EXPECT_EQ(transakcja.Zaglebienie(), 0);
    EXPECT_EQ(WierszeWidziane(FInna), 2);
}

TEST_F(Transakcje, ZagniezdzoneWycofanieRetainingPotemRollback) {
    TkvTransaction transakcja(&FBaza);
    transakcja.Rozpocznij();
    transakcja.Rozpocznij();
    Wstaw(transakcja, 1);
    ASSERT_TRUE(transakcja.Wycofaj());
    EXPECT_TRUE(transakcja.Active());
    EXPECT_EQ(WierszeWidziane(FBaza), 0);
    Wstaw(transakcja, 2);
    ASSERT_TRUE(transakcja.Wycofaj());
    EXPECT_FALSE(transakcja.Active());
    EXPECT_EQ(WierszeWidziane(FInna), 0);
}

TEST_F(Transakcje, NieRozpoczetaNicNieWysyla) {
    TkvTransaction transakcja(&FBaza);
    EXPECT_TRUE(transakcja.Zatwierdz());
    EXPECT_TRUE(transakcja.Wycofaj());
    EXPECT_FALSE(transakcja.Active());
    EXPECT_EQ(transakcja.Zaglebienie(), 0);
}

TEST_F(Transakcje, StartTransactionKonczyPierwszeZatwierdzenie) {
    TkvTransaction transakcja(&FBaza);
    transakcja.StartTransaction();
    EXPECT_TRUE(transakcja.Active());
    EXPECT_EQ(transakcja.Zaglebienie(), 0);
    Wstaw(transakcja, 1);
    ASSERT_TRUE(transakcja.Zatwierdz());
    EXPECT_FALSE(transakcja.Active());
    EXPECT_EQ(transakcja.Zaglebienie(), -1);
    EXPECT_EQ(WierszeWidziane(FInna), 1);
    transakcja.Rozpocznij();
    EXPECT_EQ(transakcja.Zaglebienie(), 1);
    transakcja.Zatwierdz();
}

TEST_F(Transakcje, ZapytanieUruchamiaNieaktywnaTransakcjeBezLiczenia) {
    TkvTransaction transakcja(&FBaza);
    TkvQuery zapytanie(&FBaza, &transakcja);
    zapytanie.SelectSQL = {"select count(*) from t"};
    ASSERT_TRUE(zapytanie.Otworz());
    EXPECT_TRUE(transakcja.Active());
    EXPECT_EQ(transakcja.Zaglebienie(), 0);
    zapytanie.Zamknij();
}

TEST_F(Transakcje, BladTransakcjiIdzieDoOknaBezSkryptu) {
    TkvDatabase niepolaczona;
    TkvTransaction transakcja(&niepolaczona);
    TSkrypt skrypt;
    TOknoBleduBazySkryptu okno(skrypt);
    skrypt.Oczekuj("Informacja z bazy danych", "Nieznany błąd bazy danych", "Ok");
    EXPECT_THROW(transakcja.Rozpocznij(), EPrzerwanie);
    EXPECT_THAT(skrypt.Bledy(), IsEmpty());
    ASSERT_EQ(okno.Pokazane().size(), 1u);
    EXPECT_EQ(okno.Pokazane()[0].Szczegoly,
              (std::vector<std::string>{"Kod wyjątku : 0", "Kod SQL : 0", "Baza danych :", "Obiekt :TkvTransaction", "",
                                        "Treść : Baza danych nie jest połączona."}));
}

TEST_F(Transakcje, KonfliktBlokadyNieCzeka) {
    TkvTransaction pierwsza(&FBaza), druga(&FInna);
    pierwsza.Rozpocznij();
    Wstaw(pierwsza, 1);
    pierwsza.Zatwierdz();
    pierwsza.Rozpocznij();
    TkvSQL zmiana(&FBaza, &pierwsza);
    zmiana.SQL = {"update t set id = 5"};
    ASSERT_TRUE(zmiana.Wykonaj());

    // The other transaction meets the uncommitted version and fails at once
    // (Firebird reports an update conflict under "deadlock").
    druga.Rozpocznij();
    TkvSQL konflikt(&FInna, &druga);
    konflikt.SQL = {"update t set id = 6"};
    TSkrypt skrypt;
    TOknoBleduBazySkryptu okno(skrypt);
    skrypt.Oczekuj("Informacja z bazy danych", "Zakleszczenie", "Ok");
    EXPECT_THROW(konflikt.Wykonaj(), EPrzerwanie);
    EXPECT_THAT(skrypt.Bledy(), IsEmpty());
    druga.Wycofaj();
    pierwsza.Wycofaj();
}

}  // namespace
}  // namespace ramvel
