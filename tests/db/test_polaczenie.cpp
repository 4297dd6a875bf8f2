// The connection layer against the real local server: how a connection is
// built and attached, texts crossing it, statements with parameters, and the
// failures of an attach.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>

#include "db/blad_firebird.h"
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
using testing::HasSubstr;
using testing::IsEmpty;

const char* const kPolskieLitery = "ąćęłńóśźżĄĆĘŁŃÓŚŹŻ";

class Polaczenie : public testing::Test {
protected:
    void SetUp() override { RAMVEL_WYMAGAJ_SERWERA(); }

    // A connection to `plik` in the test directory, set up as the program sets one up.
    void Ustaw(TkvDatabase& baza, const std::string& plik, const std::string& rozszerzenie = ".gdb") {
        baza.Zdalna = false;
        baza.KatalogBazy = FKatalog.Sciezka();
        baza.PlikBazy = plik;
        baza.RozszerzenieBazy = rozszerzenie;
        baza.UstawPolaczenie();
    }

    // The first column of the first row of a query, as text.
    std::string Wartosc(TkvDatabase& baza, const std::string& zapytanie,
                        const std::vector<TParametrSQL>& parametry = {}) {
        TkvTransaction transakcja(&baza);
        TkvQuery zapytanieSQL(&baza, &transakcja);
        zapytanieSQL.SelectSQL = {zapytanie};
        zapytanieSQL.Params = parametry;
        EXPECT_TRUE(zapytanieSQL.Otworz());
        std::string wynik = zapytanieSQL.IsEmpty() ? "<brak>" : zapytanieSQL.Pole(0).JakoTekst();
        zapytanieSQL.Zamknij();
        transakcja.Zatwierdz();
        return wynik;
    }

    TKatalogSerwera FKatalog;
};

TEST_F(Polaczenie, NazwaPlikuZRozszerzeniemIBez) {
    const struct {
        const char* PlikBazy;
        const char* Rozszerzenie;
        const char* Plik;
    } przypadki[] = {
        {"systemkv", ".gdb", "systemkv.gdb"},
        {"firma.gdb", ".fdb", "firma.gdb"},
        {"archiwum.2004", ".gdb", "archiwum.2004"},
    };
    for (const auto& p : przypadki) {
        TBazaTestowa plik(FKatalog / p.Plik);
        TkvDatabase baza;
        Ustaw(baza, p.PlikBazy, p.Rozszerzenie);
        EXPECT_EQ(baza.DatabaseName, FKatalog / p.Plik);
        ASSERT_NO_THROW(baza.Connected(true)) << p.PlikBazy;
        EXPECT_TRUE(baza.Connected());
        baza.Connected(false);
        EXPECT_FALSE(baza.Connected());
    }
}

TEST_F(Polaczenie, LokalnePolaczenieIdziePrzezSerwer) {
    TBazaTestowa plik(FKatalog / "systemkv.gdb");
    // The file was created by a plain path with our client settings: the server made it.
    struct stat opis {};
    ASSERT_EQ(stat(plik.Sciezka().c_str(), &opis), 0);
    const passwd* firebird = getpwnam("firebird");
    ASSERT_NE(firebird, nullptr);
    EXPECT_EQ(opis.st_uid, firebird->pw_uid);

    TkvDatabase baza;
    Ustaw(baza, "systemkv");
    baza.Connected(true);
    // An engine inside this process would leave the protocol empty.
    EXPECT_EQ(Wartosc(baza, "select trim(mon$remote_protocol) from mon$attachments "
                            "where mon$attachment_id = current_connection"),
              "TCPv4");
    EXPECT_EQ(Wartosc(baza, "select current_user from rdb$database"), "SYSKVR");
}

TEST_F(Polaczenie, ParametryPolaczeniaIDuzyBufor) {
    TkvDatabase baza;
    Ustaw(baza, "systemkv");
    const std::string haslo = getenv("RAMVEL_HASLO_BAZY");
    EXPECT_EQ(baza.Params, (std::vector<std::string>{"user_name=SYSKVR", "password=" + haslo, "lc_ctype=WIN1250"}));
    const std::string bez = BlokParametrowPolaczenia(baza.Params);
    EXPECT_EQ(bez, std::string("\x01\x1C\x06SYSKVR\x1D\x0A", 11) + haslo + std::string("\x30\x07WIN1250"));

    baza.DuzyBufor = true;
    baza.UstawPolaczenie();
    EXPECT_EQ(baza.Params.back(), "num_buffers=250");
    EXPECT_EQ(BlokParametrowPolaczenia(baza.Params), bez + std::string("\x05\x01\xFA", 3));

}

TEST_F(Polaczenie, NieznanyParametrPolaczenia) {
    EXPECT_THROW(BlokParametrowPolaczenia({"user_name=SYSKVR", "role=ADMIN"}), EBladFirebird);
}

TEST_F(Polaczenie, BazaDialektu1UzywanaZDialektem1) {
    TBazaTestowa jedynka(FKatalog / "stara.gdb", 1);
    TBazaTestowa trojka(FKatalog / "nowa.gdb", 3);
    TkvDatabase stara, nowa;
    Ustaw(stara, "stara");
    Ustaw(nowa, "nowa");
    stara.Connected(true);
    nowa.Connected(true);
    EXPECT_EQ(stara.SQLDialect, 3);
    EXPECT_EQ(stara.Dialekt(), 1);
    EXPECT_EQ(nowa.Dialekt(), 3);
    // In dialect 1 double quotes enclose a string.
    EXPECT_EQ(Wartosc(stara, "select \"tekst\" from rdb$database"), "tekst");
}

TEST_F(Polaczenie, PolskieLiteryWracajaBezZmian) {
    TBazaTestowa plik(FKatalog / "systemkv.gdb", 3,
                      {"create table napisy (id integer not null primary key, tekst varchar(40), "
                       "unikod varchar(40) character set utf8)"});
    TkvDatabase baza;
    Ustaw(baza, "systemkv");
    baza.Connected(true);
    {
        TkvTransaction transakcja(&baza);
        transakcja.Rozpocznij();
        TkvSQL polecenie(&baza, &transakcja);
        polecenie.SQL = {"insert into napisy values (1, ?, ?)"};
        polecenie.Params = {TParametrSQL::Tekst(kPolskieLitery), TParametrSQL::Tekst(kPolskieLitery)};
        EXPECT_TRUE(polecenie.Wykonaj());
        polecenie.SQL = {std::string("insert into napisy values (2, '") + kPolskieLitery + "', '" + kPolskieLitery +
                         "')"};
        polecenie.Params.clear();
        EXPECT_TRUE(polecenie.Wykonaj());
        EXPECT_TRUE(transakcja.Zatwierdz());
    }
    for (const char* id : {"1", "2"}) {
        EXPECT_EQ(Wartosc(baza, std::string("select tekst from napisy where id = ") + id), kPolskieLitery);
        EXPECT_EQ(Wartosc(baza, std::string("select unikod from napisy where id = ") + id), kPolskieLitery);
        // Stored as one byte a letter in Windows-1250, two in UTF-8: the
        // server understood every letter, none was passed through as bytes.
        EXPECT_EQ(Wartosc(baza, std::string("select octet_length(tekst) from napisy where id = ") + id), "18");
        EXPECT_EQ(Wartosc(baza, std::string("select octet_length(unikod) from napisy where id = ") + id), "36");
    }
    EXPECT_EQ(Wartosc(baza, "select count(*) from napisy where tekst = ?", {TParametrSQL::Tekst(kPolskieLitery)}),
              "2");
}

TEST_F(Polaczenie, ParametryPrzenosaWartosciBezZmian) {
    TBazaTestowa plik(FKatalog / "systemkv.gdb", 3,
                      {"create table firma (id_firma integer not null primary key, identyfikator varchar(20), "
                       "opis varchar(60), kwota numeric(15,2))"});
    TkvDatabase baza;
    Ustaw(baza, "systemkv");
    baza.Connected(true);
    TkvTransaction transakcja(&baza);
    transakcja.Rozpocznij();
    TkvSQL polecenie(&baza, &transakcja);
    polecenie.SQL = {"INSERT INTO FIRMA(ID_FIRMA, IDENTYFIKATOR, OPIS, KWOTA)", "VALUES(?, ?, ?, ?)"};
    polecenie.Params = {TParametrSQL::Liczba(7), TParametrSQL::Tekst("O'Brien"),
                        TParametrSQL::Tekst("x'); delete from firma; --"), TParametrSQL::Null()};
    ASSERT_TRUE(polecenie.Wykonaj());
    polecenie.SQL = {"update firma set kwota = 12.5 where id_firma = 7"};
    polecenie.Params.clear();
    ASSERT_TRUE(polecenie.Wykonaj());

    TkvQuery zapytanie(&baza, &transakcja);
    zapytanie.SelectSQL = {"SELECT F.Id_Firma, F.Identyfikator, F.Opis, F.Kwota FROM Firma F",
                           "WHERE (F.Identyfikator = ?) and (F.Opis = ?)"};
    zapytanie.Params = {TParametrSQL::Tekst("O'Brien"), TParametrSQL::Tekst("x'); delete from firma; --")};
    ASSERT_TRUE(zapytanie.Otworz());
    ASSERT_FALSE(zapytanie.IsEmpty());
    EXPECT_EQ(zapytanie.Pole(0).JakoLiczba(), 7);
    EXPECT_EQ(zapytanie.Pole(0).JakoTekst(), "7");
    EXPECT_EQ(zapytanie.Pole(1).JakoTekst(), "O'Brien");
    EXPECT_EQ(zapytanie.Pole(3).JakoTekst(), "12.50");
    EXPECT_EQ(zapytanie.Pole(3).JakoLiczba(), 12);
    EXPECT_FALSE(zapytanie.Nastepny());
    EXPECT_TRUE(zapytanie.Eof());
    EXPECT_TRUE(zapytanie.Zamknij());

    zapytanie.Params = {TParametrSQL::Tekst("O'Brien"), TParametrSQL::Tekst("inny")};
    ASSERT_TRUE(zapytanie.Otworz());
    EXPECT_TRUE(zapytanie.IsEmpty());
    zapytanie.Zamknij();

    polecenie.SQL = {"select id_firma from firma where id_firma > ?"};
    polecenie.Params = {TParametrSQL::Liczba(100)};
    ASSERT_TRUE(polecenie.Wykonaj());
    EXPECT_EQ(polecenie.LiczbaPobranych(), 0);
    polecenie.Params = {TParametrSQL::Liczba(0)};
    ASSERT_TRUE(polecenie.Wykonaj());
    EXPECT_EQ(polecenie.LiczbaPobranych(), 1);
    EXPECT_TRUE(polecenie.Zamknij());
    EXPECT_TRUE(polecenie.Zamknij());  // no cursor left: nothing to do
    EXPECT_TRUE(transakcja.Zatwierdz());
}

TEST_F(Polaczenie, TabelaIstniejeWielkimiLiterami) {
    TBazaTestowa plik(FKatalog / "firma.gdb", 3, {"create table platforma (serverversion varchar(100))"});
    TkvDatabase baza;
    Ustaw(baza, "firma");
    baza.Connected(true);
    EXPECT_TRUE(baza.TabelaIstnieje("platforma"));
    EXPECT_TRUE(baza.TabelaIstnieje("PLATFORMA"));
    EXPECT_FALSE(baza.TabelaIstnieje("blokada"));
    EXPECT_FALSE(baza.ZapytanieMaWiersze("select * from platforma"));
    EXPECT_TRUE(baza.ZapytanieMaWiersze("select * from rdb$database"));
}

TEST_F(Polaczenie, ZnakSpozaWindows1250ToKomunikatNieUszkodzoneDane) {
    TBazaTestowa plik(FKatalog / "systemkv.gdb", 3, {"create table napisy (tekst varchar(40))"});
    TkvDatabase baza;
    Ustaw(baza, "systemkv");
    baza.Connected(true);
    TkvTransaction transakcja(&baza);
    transakcja.Rozpocznij();
    TkvSQL polecenie(&baza, &transakcja);
    polecenie.SQL = {"insert into napisy values (?)"};
    polecenie.Params = {TParametrSQL::Tekst("Tōkyō")};
    TSkrypt skrypt;
    skrypt.Blad("błąd: \rTekst \"Tōkyō\" zawiera znak, którego nie można zapisać w bazie danych "
                "(kodowanie Windows-1250).");
    EXPECT_THROW(polecenie.Wykonaj(), EPrzerwanie);
    EXPECT_THAT(skrypt.Bledy(), IsEmpty());
}

TEST_F(Polaczenie, NieudanePolaczenieToBladFirebirdaZPrzyczyna) {
    TBazaTestowa plik(FKatalog / "systemkv.gdb");
    struct TPrzypadek {
        const char* Opis;
        std::function<void(TkvDatabase&)> Ustawienie;
        int32_t KodBledu;
        std::string Fragment;
    };
    const TPrzypadek przypadki[] = {
        {"złe hasło",
         [&](TkvDatabase& b) {
             testy::TZmiennaSrodowiska zle("RAMVEL_HASLO_BAZY", "0123456789");
             Ustaw(b, "systemkv");
         },
         335544472, "Your user name and password are not defined"},
        {"serwer nie działa",
         [&](TkvDatabase& b) {
             Ustaw(b, "systemkv");
             b.Zdalna = true;
             b.NazwaSerwera = "127.0.0.1/1";  // a port nothing listens on
             b.UstawPolaczenie();
         },
         335544721, "Unable to complete network request to host \"127.0.0.1\""},
        {"brak pliku", [&](TkvDatabase& b) { Ustaw(b, "nie_ma_takiej"); }, 335544344, FKatalog / "nie_ma_takiej.gdb"},
        {"protokół 3",
         [&](TkvDatabase& b) {
             Ustaw(b, "systemkv");
             b.Zdalna = true;
             b.Protokol = 3;
             b.UstawPolaczenie();
         },
         0, ""},
    };
    for (const auto& p : przypadki) {
        TkvDatabase baza;
        p.Ustawienie(baza);
        try {
            baza.Connected(true);
            ADD_FAILURE() << p.Opis << ": połączono";
        } catch (const EBladFirebird& blad) {
            if (p.KodBledu) {
                EXPECT_EQ(blad.KodBledu, p.KodBledu) << p.Opis << "\n" << blad.what();
            }
            EXPECT_THAT(blad.what(), HasSubstr(p.Fragment)) << p.Opis;
            EXPECT_THAT(blad.what(), testing::EndsWith("\r\n")) << p.Opis;
        }
        EXPECT_FALSE(baza.Connected()) << p.Opis;
    }
}

TEST_F(Polaczenie, RozlaczenieWycofujeOtwartaTransakcje) {
    TBazaTestowa plik(FKatalog / "systemkv.gdb", 3, {"create table t (id integer)"});
    TkvDatabase baza;
    Ustaw(baza, "systemkv");
    baza.Connected(true);
    TkvTransaction transakcja(&baza);
    transakcja.Rozpocznij();
    TkvSQL polecenie(&baza, &transakcja);
    polecenie.SQL = {"insert into t values (1)"};
    ASSERT_TRUE(polecenie.Wykonaj());
    ASSERT_NO_THROW(baza.Connected(false));
    EXPECT_FALSE(transakcja.Active());
    baza.Connected(true);
    EXPECT_EQ(Wartosc(baza, "select count(*) from t"), "0");
}

}  // namespace
}  // namespace ramvel
