// The restore service against the machine's server, with backups that gbak
// made of databases created here.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <ibase.h>

#include <filesystem>

#include "db/blad_firebird.h"
#include "db/kv_config_db.h"
#include "db/kv_database.h"
#include "db/kv_query.h"
#include "db/kv_restore.h"
#include "db/kv_serwer_info.h"
#include "db/kv_transaction.h"
#include "db/po_odtworzeniu.h"
#include "files/sciezki.h"
#include "instalacja_testowa.h"
#include "narzedzia_firebirda.h"
#include "platform/bledy.h"
#include "serwer_testowy.h"
#include "ui/skrypt/skrypt.h"

namespace ramvel {
namespace {

using testing::HasSubstr;
using testing::IsEmpty;
using testy::TBazaTestowa;
using testy::TKatalogSerwera;

const std::vector<std::string> kTabeleFirmy = {
    "create table PLATFORMA (SERVERVERSION varchar(100), SERVERIMPLEMENTATION varchar(100))",
    "insert into PLATFORMA values ('stara wersja', 'stara implementacja')",
    "create table BLOKADA (ID integer, OPIS varchar(40))",
    "insert into BLOKADA values (1, 'blokada')",
    "insert into BLOKADA values (2, 'blokada')",
};

class Odtwarzanie : public testing::Test {
protected:
    void SetUp() override {
        // Another test may have just restarted the server.
        testy::CzekajNaSerwer();
        RAMVEL_WYMAGAJ_SERWERA();
        FProgram = std::make_unique<testy::TProgramTestowy>(FKatalog.Sciezka());
    }
    void TearDown() override { EXPECT_THAT(FSkrypt.Bledy(), IsEmpty()); }

    // A company database FIRMA.gdb with `ddl`, backed up by gbak to FIRMA.gbk,
    // and the database itself dropped so only the backup is left.
    void KopiaFirmy(const std::vector<std::string>& ddl, const std::string& nazwa = "FIRMA") {
        testy::Ponawiaj([&] {
            TBazaTestowa zrodlo(FKatalog / (nazwa + ".zrodlo.gdb"), 3, ddl);
            testy::ZrobKopieGbak(zrodlo.Sciezka(), FKatalog / (nazwa + ".gbk"));
        });
    }

    std::vector<std::string> Odtworz(const std::string& nazwa = "FIRMA") {
        std::vector<std::string> linie;
        OdtworzKopieBazy(FKatalog.Sciezka(), nazwa,
                         [&](TkvRestore&, const std::string& linia) { linie.push_back(linia); });
        return linie;
    }

    // The rows of a one-column-pair query, as text.
    std::vector<std::string> Wiersze(const std::string& plik, const std::string& zapytanie) {
        TkvDatabase baza;
        baza.KatalogBazy = FKatalog.Sciezka();
        baza.PlikBazy = plik;
        baza.UstawPolaczenie();
        baza.Connected(true);
        return testy::WierszeZapytania(baza, zapytanie);
    }

    std::string WersjaSerweraPrzezFbsvcmgr() {
        const auto wynik = testy::UruchomNarzedzie({"fbsvcmgr", "localhost:service_mgr", "info_server_version"});
        const std::string przedrostek = "Server version: ";
        const size_t poczatek = wynik.Wyjscie.find(przedrostek);
        if (poczatek == std::string::npos)
            return "";
        return wynik.Wyjscie.substr(poczatek + przedrostek.size(),
                                    wynik.Wyjscie.find('\n', poczatek) - poczatek - przedrostek.size());
    }

    TKatalogSerwera FKatalog;
    std::unique_ptr<testy::TProgramTestowy> FProgram;
    TSkrypt FSkrypt;
};

TEST_F(Odtwarzanie, OdtworzonaBazaMaWersjeSerweraWPlatformie) {
    KopiaFirmy(kTabeleFirmy);
    // Every line the server wrote, once, in its order: the same restore run by
    // fbsvcmgr just before writes the same lines.
    const auto wzorzec = testy::LinieOdtwarzaniaFbsvcmgr(FKatalog / "FIRMA.gbk", FKatalog / "FIRMA.gdb");
    const auto linie = Odtworz();
    EXPECT_EQ(linie, wzorzec);
    ASSERT_GE(linie.size(), 2u);
    EXPECT_THAT(linie.front(), HasSubstr("opened file " + FKatalog / "FIRMA.gbk"));

    const std::string wersja = WersjaSerweraPrzezFbsvcmgr();
    ASSERT_THAT(wersja, HasSubstr("Firebird 3.0"));
    std::string w, implementacja;
    PobierzWersjeSerwera(w, implementacja);
    EXPECT_EQ(w, wersja);
    EXPECT_THAT(implementacja, HasSubstr("Firebird/Linux"));
    EXPECT_EQ(Wiersze("FIRMA.gdb", "select SERVERVERSION, SERVERIMPLEMENTATION from PLATFORMA"),
              std::vector<std::string>{wersja + "|" + implementacja});
    // The rest of the data as it was; BLOKADA is kept unless asked.
    EXPECT_EQ(Wiersze("FIRMA.gdb", "select count(*) from BLOKADA"), std::vector<std::string>{"2"});
}

TEST_F(Odtwarzanie, BezTabeliPlatformaBazaZostajeJakBya) {
    KopiaFirmy({"create table BLOKADA (ID integer, OPIS varchar(40))", "insert into BLOKADA values (7, 'x')"});
    Odtworz();
    EXPECT_EQ(Wiersze("FIRMA.gdb", "select count(*) from rdb$relations where rdb$system_flag = 0"),
              std::vector<std::string>{"1"});
    EXPECT_EQ(Wiersze("FIRMA.gdb", "select ID, OPIS from BLOKADA"), std::vector<std::string>{"7|x"});
}

TEST_F(Odtwarzanie, UsunBlokadyIForcedWrites) {
    KopiaFirmy(kTabeleFirmy);
    TkvRestore r;
    r.NazwaKopii = r.NazwaBazy = "FIRMA";
    r.KatalogKopii = FKatalog.Sciezka();  // KatalogBazy '' means DATABASE_DIR
    r.IloscPlikowKopii = 1;
    r.UsunBlokady = r.UstawForcedWrites = true;
    r.Wykonaj();
    EXPECT_EQ(r.KatalogBazy, FKatalog.Sciezka());
    EXPECT_EQ(Wiersze("FIRMA.gdb", "select count(*) from BLOKADA"), std::vector<std::string>{"0"});
    EXPECT_EQ(Wiersze("FIRMA.gdb", "select mon$forced_writes from mon$database"), std::vector<std::string>{"1"});

    TkvConfigDb konfiguracja;
    konfiguracja.PlikBazy = "FIRMA";
    konfiguracja.UstawTrybZapisu(false);
    EXPECT_EQ(Wiersze("FIRMA.gdb", "select mon$forced_writes from mon$database"), std::vector<std::string>{"0"});
}

TEST_F(Odtwarzanie, ZmianaTrybuZapisuBrakujacegoPlikuToBlad) {
    KopiaFirmy(kTabeleFirmy);
    Odtworz();
    TkvDatabase baza;
    baza.KatalogBazy = FKatalog.Sciezka();
    baza.PlikBazy = "FIRMA.gdb";
    baza.UstawPolaczenie();
    baza.Connected(true);
    baza.PlikBazy = "INNA.gdb";  // the write-mode change then misses its file
    EXPECT_THROW(UstawForcedWrites(baza, true), EBladFirebird);
}

TEST_F(Odtwarzanie, OdrzuconyLoginSerwisuDajeWersjeZBazy) {
    KopiaFirmy(kTabeleFirmy);
    Odtworz();
    TkvDatabase baza;
    baza.KatalogBazy = FKatalog.Sciezka();
    baza.PlikBazy = "FIRMA.gdb";
    baza.UstawPolaczenie();
    baza.Connected(true);
    {
        // The password is read at each attach: from here on the service manager
        // rejects the login. A local attach through an engine in our own
        // process would take any password, so this also shows it goes to the server.
        testy::TZmiennaSrodowiska zle("RAMVEL_HASLO_BAZY", "0123456789");
        std::string wersja = "x", implementacja = "y";
        PobierzWersjeSerwera(wersja, implementacja);
        EXPECT_EQ(wersja, "LI ...");
        EXPECT_EQ(implementacja, "LI ...");
        AktualizujPlatforme(baza);
    }
    baza.Connected(false);
    const auto wiersze = Wiersze("FIRMA.gdb", "select SERVERVERSION, SERVERIMPLEMENTATION from PLATFORMA");
    ASSERT_EQ(wiersze.size(), 1u);
    EXPECT_THAT(wiersze[0], testing::MatchesRegex("LI-V.*Firebird 3\\.0\\|-"));
}

TEST_F(Odtwarzanie, BrakKopiiToBladSerwera) {
    try {
        Odtworz("BRAK");
        FAIL() << "brak błędu";
    } catch (const EBladFirebird& blad) {
        EXPECT_THAT(blad.what(), HasSubstr(FKatalog / "BRAK.gbk"));
    }
    EXPECT_FALSE(PlikIstnieje(FKatalog / "BRAK.gdb"));
}

TEST_F(Odtwarzanie, KatalogBazyBezPrawaZapisuSerwera) {
    KopiaFirmy(kTabeleFirmy);
    testy::TKatalogTymczasowy tylkoDoOdczytu;  // 0755, ours: the server may not write there
    TkvRestore r;
    r.NazwaKopii = r.NazwaBazy = "FIRMA";
    r.KatalogKopii = FKatalog.Sciezka();
    r.KatalogBazy = tylkoDoOdczytu.Sciezka();
    r.IloscPlikowKopii = 1;
    r.Zastap = r.Szczegolowo = true;
    try {
        r.Wykonaj();
        FAIL() << "brak błędu";
    } catch (const EBladFirebird& blad) {
        EXPECT_THAT(blad.what(), HasSubstr(tylkoDoOdczytu / "FIRMA.gdb"));
    }
    EXPECT_FALSE(PlikIstnieje(tylkoDoOdczytu / "FIRMA.gdb"));
}

TEST_F(Odtwarzanie, SerwerKtoryNieDziala) {
    FProgram->UstawBazaSet("REMOTE=1\r\nSERWER_NAME=127.0.0.1/" + std::to_string(testy::WolnyPort()) +
                           "\r\nDATABASE_DIR=" + FKatalog.Sciezka() + "\r\n");
    KopiaFirmy(kTabeleFirmy);
    try {
        Odtworz();
        FAIL() << "brak błędu";
    } catch (const EBladFirebird& blad) {
        EXPECT_THAT(blad.what(), HasSubstr("Unable to complete network request"));
    }
    EXPECT_FALSE(PlikIstnieje(FKatalog / "FIRMA.gdb"));
}

// Through the service manager a cut backup can end with no error at all: the
// output just stops. Such a restore must fail and leave PLATFORMA alone.
TEST_F(Odtwarzanie, UcietaKopiaToBladZNazwaPliku) {
    std::vector<std::string> ddl = kTabeleFirmy;
    ddl.push_back(
        "execute block as declare i int = 0; begin while (i < 5000) do begin "
        "insert into BLOKADA values (:i, 'wiersz ' || :i); i = i + 1; end end");
    KopiaFirmy(ddl);
    const std::string kopia = testy::CzytajPlik(FKatalog / "FIRMA.gbk");
    testy::ZapiszPlik(FKatalog / "FIRMA.gbk", kopia.substr(0, kopia.size() / 2));
    // A damaged backup restored by an earlier test may have left the server's
    // messages broken: start from a server that has just started.
    testy::RestartujSerwer();

    std::vector<std::string> linie;
    try {
        linie = Odtworz();
        ADD_FAILURE() << "brak błędu";
    } catch (const EBladFirebird& blad) {
        ADD_FAILURE() << "serwer zgłosił błąd, a tego przypadku test nie sprawdza: " << blad.what();
    } catch (const EBlad& blad) {
        EXPECT_EQ(std::string(blad.what()),
                  "Nie udało się odtworzyć bazy danych z pliku kopii \"" + FKatalog / "FIRMA.gbk" +
                      "\": serwer przerwał odtwarzanie przed jego końcem, nie zgłaszając błędu. "
                      "Plik kopii jest prawdopodobnie uszkodzony lub niepełny.");
    }
    // The server's messages can stay broken after this until it restarts.
    testy::RestartujSerwer();
    // What the server left behind was never treated as restored: no follow-up
    // wrote the server's version into its PLATFORMA.
    if (PlikIstnieje(FKatalog / "FIRMA.gdb")) {
        try {
            EXPECT_THAT(Wiersze("FIRMA.gdb", "select SERVERVERSION from PLATFORMA"),
                        testing::Not(testing::Contains(HasSubstr("Firebird"))));
        } catch (const std::exception&) {
            // A file too broken to open is just as much not restored.
        }
    }
}

}  // namespace
}  // namespace ramvel
