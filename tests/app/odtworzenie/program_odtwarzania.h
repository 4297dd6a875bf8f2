#pragma once
// A Morvanta PRO program directory for whole restores, built in a temporary
// directory that the server's user can reach: baza.set naming the local server
// and the database directory BAZA (group firebird, 2770, extension ".fdb"),
// the password file haslo_bazy, the system database registered on the server,
// and ramvel.ini mapping drive A: to a directory of the test, in which
// diskettes are "inserted". It is the program directory for its lifetime.
#include <sys/types.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "serwer_testowy.h"
#include "wspolne/testy.h"

namespace ramvel::testy {

class TProgramOdtwarzania {
public:
    // `ddlSystemowej`: the system database's statements; none at all leaves
    // BAZA without a system database.
    explicit TProgramOdtwarzania(const std::vector<std::string>& ddlSystemowej);
    ~TProgramOdtwarzania();
    TProgramOdtwarzania(const TProgramOdtwarzania&) = delete;
    TProgramOdtwarzania& operator=(const TProgramOdtwarzania&) = delete;

    const std::string& Katalog() const { return FKatalog.Sciezka(); }
    std::string operator/(const std::string& nazwa) const { return FKatalog / nazwa; }
    std::string Baza() const { return FKatalog / "BAZA"; }
    std::string Rozpakowanie() const { return FKatalog / "Temp/Baza"; }
    // Kopia/ArchNN, the directory of the automatic backups numbered `numer`.
    std::string Arch(int numer) const;

    // Drive A: shows `dyskietka` (a directory); '' takes the diskette out.
    void Wloz(const std::string& dyskietka) const;

private:
    TKatalogTymczasowy FKatalog;
    std::string FPoprzedniKatalog;
    std::vector<std::string> FPoprzednieParametry;
    std::unique_ptr<TBazaTestowa> FSystemowa;
};

// A directory the server's user may write into (group firebird, 2770).
void UdostepnijSerwerowi(const std::string& katalog);

// Every regular file under `katalog`: relative path -> SHA-256 of its bytes.
std::map<std::string, std::string> Zawartosc(const std::string& katalog);

// The rows of a query on a database file, through the server, each row's
// columns joined by '|'.
std::vector<std::string> Wiersze(const std::string& plikBazy, const std::string& zapytanie);

struct TWlasciciel {
    uid_t Uzytkownik;
    gid_t Grupa;
    mode_t Prawa;  // the permission bits (07777)
    ino_t Wezel;
};
TWlasciciel Wlasciciel(const std::string& plik);
gid_t GrupaFirebird();
uid_t UzytkownikFirebird();

}  // namespace ramvel::testy
