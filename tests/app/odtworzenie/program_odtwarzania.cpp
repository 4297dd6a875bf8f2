#include "odtworzenie/program_odtwarzania.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "db/kv_database.h"
#include "db/kv_query.h"
#include "db/kv_transaction.h"
#include "db/uzytkownik_bazy.h"
#include "files/sciezki.h"
#include "platform/plik_ini.h"
#include "platform/srodowisko.h"
#include "zip/sha256.h"

namespace ramvel::testy {

namespace fs = std::filesystem;

TProgramOdtwarzania::TProgramOdtwarzania(const std::vector<std::string>& ddlSystemowej)
    : FPoprzedniKatalog(KatalogProgramu()), FPoprzednieParametry(ParametryProgramu()) {
    ZapiszPlik(FKatalog / "baza.set", "[MAIN]\r\nREMOTE=0\r\nDATABASE_DIR=" + Baza() +
                                          "\r\nDATABASE_FILE_EXT=.fdb\r\n");
    // The password as the set-up script leaves it beside baza.set; the
    // restores read it from there (the tests' own connections use the
    // environment).
    const char* haslo = std::getenv(kZmiennaHaslaBazy);
    if (!haslo)
        throw std::runtime_error("brak RAMVEL_HASLO_BAZY");
    ZapiszPlik(FKatalog / kPlikHaslaBazy, std::string(haslo) + "\n");
    chmod((FKatalog / kPlikHaslaBazy).c_str(), 0600);
    UstawKatalogProgramu(FKatalog.Sciezka());
    UstawParametry(std::vector<std::string>{});
    TPlikIni(PlikUstawien()).Zapisz("NAPEDY", "A", FKatalog / "stacja");

    fs::create_directory(Baza());
    UdostepnijSerwerowi(Baza());
    if (!ddlSystemowej.empty())
        FSystemowa = std::make_unique<TBazaTestowa>(Baza() + "/systemkv.fdb", 3, ddlSystemowej);
}

TProgramOdtwarzania::~TProgramOdtwarzania() {
    FSystemowa.reset();
    UstawParametry(FPoprzednieParametry);
    UstawKatalogProgramu(FPoprzedniKatalog);
}

std::string TProgramOdtwarzania::Arch(int numer) const {
    return FKatalog / ("Kopia/Arch" + std::string(numer < 10 ? "0" : "") + std::to_string(numer));
}

void TProgramOdtwarzania::Wloz(const std::string& dyskietka) const {
    const std::string stacja = FKatalog / "stacja";
    fs::remove(stacja);
    if (!dyskietka.empty())
        fs::create_directory_symlink(dyskietka, stacja);
}

gid_t GrupaFirebird() {
    const group* grupa = getgrnam("firebird");
    if (!grupa)
        throw std::runtime_error("brak grupy firebird");
    return grupa->gr_gid;
}

uid_t UzytkownikFirebird() {
    const passwd* uzytkownik = getpwnam("firebird");
    if (!uzytkownik)
        throw std::runtime_error("brak użytkownika firebird");
    return uzytkownik->pw_uid;
}

void UdostepnijSerwerowi(const std::string& katalog) {
    if (chown(katalog.c_str(), static_cast<uid_t>(-1), GrupaFirebird()) != 0 || chmod(katalog.c_str(), 02770) != 0)
        throw std::runtime_error("nie można udostępnić serwerowi " + katalog);
}

std::map<std::string, std::string> Zawartosc(const std::string& katalog) {
    std::map<std::string, std::string> pliki;
    for (const auto& wpis : fs::recursive_directory_iterator(katalog))
        if (wpis.is_regular_file())
            pliki[fs::relative(wpis.path(), katalog).string()] = Sha256Hex(CzytajPlik(wpis.path().string()));
    return pliki;
}

std::vector<std::string> Wiersze(const std::string& plikBazy, const std::string& zapytanie) {
    TkvDatabase baza;
    baza.KatalogBazy = KatalogNadrzedny(plikBazy);
    baza.PlikBazy = NazwaPliku(plikBazy);
    baza.UstawPolaczenie();
    baza.Connected(true);
    return WierszeZapytania(baza, zapytanie);
}

TWlasciciel Wlasciciel(const std::string& plik) {
    struct stat s{};
    if (stat(plik.c_str(), &s) != 0)
        throw std::runtime_error("brak pliku " + plik);
    return {s.st_uid, s.st_gid, static_cast<mode_t>(s.st_mode & 07777), s.st_ino};
}

}  // namespace ramvel::testy
