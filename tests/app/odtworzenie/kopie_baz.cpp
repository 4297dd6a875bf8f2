#include "odtworzenie/kopie_baz.h"

#include "narzedzia_firebirda.h"
#include "serwer_testowy.h"

namespace ramvel::testy {
namespace {

std::vector<std::string> DdlFirmy(int dodatkoweBlokady) {
    std::vector<std::string> ddl = {
        "create table PLATFORMA (SERVERVERSION varchar(100), SERVERIMPLEMENTATION varchar(100))",
        "insert into PLATFORMA values ('stara wersja', 'stara implementacja')",
        "create table BLOKADA (ID integer, OPIS varchar(40))",
        "insert into BLOKADA values (1, 'blokada')",
        "create table DANE (ID integer, TRESC varchar(60))",
        std::string("insert into DANE values (1, '") + kDaneFirmy + "')",
    };
    if (dodatkoweBlokady > 0)
        ddl.push_back("execute block as declare i int = 0; begin while (i < " + std::to_string(dodatkoweBlokady) +
                      ") do begin insert into BLOKADA values (:i, 'wiersz ' || :i); i = i + 1; end end");
    return ddl;
}

// A database made through the server, backed up by gbak, and dropped again.
std::string Kopia(const std::vector<std::string>& ddl) {
    TKatalogSerwera katalog;
    TBazaTestowa baza(katalog / "zrodlo.fdb", 3, ddl);
    ZrobKopieGbak(baza.Sciezka(), katalog / "kopia.gbk");
    return CzytajPlik(katalog / "kopia.gbk");
}

}  // namespace

std::vector<std::string> DdlBazySystemowej(const std::vector<std::string>& dodatkowe) {
    std::vector<std::string> ddl = {
        "create table FIRMA (ID_FIRMA integer not null primary key, IDENTYFIKATOR varchar(20), OPIS varchar(60))",
        "create generator GEN_FIRMA",
        "set generator GEN_FIRMA to 10",
        "create table UZYTKOWNIK (ID_UZYTKOWNIK integer not null primary key, NAZWA varchar(20))",
        "create table PRAWODOFIRMY (ID_FIRMA integer not null, ID_UZYTKOWNIK integer not null)",
        "insert into UZYTKOWNIK values (1, 'ADMIN')",
        "insert into UZYTKOWNIK values (2, 'KSIEGOWA')",
        "insert into UZYTKOWNIK values (3, 'KIEROWNIK')",
        "insert into FIRMA values (10, 'INNA', 'Inna firma')",
        "insert into PRAWODOFIRMY values (10, 1)",
    };
    ddl.insert(ddl.end(), dodatkowe.begin(), dodatkowe.end());
    return ddl;
}

const std::string& KopiaBazyFirmy() {
    static const std::string kopia = Kopia(DdlFirmy(0));
    return kopia;
}

const std::string& DuzaKopiaBazyFirmy() {
    static const std::string kopia = Kopia(DdlFirmy(5000));
    return kopia;
}

const std::string& KopiaBazySystemowej() {
    static const std::string kopia = Kopia({
        "create table FIRMA (ID_FIRMA integer not null primary key, IDENTYFIKATOR varchar(20), OPIS varchar(60))",
        "create generator GEN_FIRMA",
        "set generator GEN_FIRMA to 5",
        "create table UZYTKOWNIK (ID_UZYTKOWNIK integer not null primary key, NAZWA varchar(20))",
        "create table PRAWODOFIRMY (ID_FIRMA integer not null, ID_UZYTKOWNIK integer not null)",
        "insert into UZYTKOWNIK values (1, 'ADMIN')",
        "insert into FIRMA values (5, 'FIRMA', 'Firma z kopii')",
        "insert into PRAWODOFIRMY values (5, 1)",
    });
    return kopia;
}

}  // namespace ramvel::testy
