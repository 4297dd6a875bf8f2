#include "instalacja_testowa.h"

#include <arpa/inet.h>
#include <glob.h>
#include <netinet/in.h>
#include <pwd.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "db/serwer_lokalny.h"
#include "wspolne/testy.h"

namespace fs = std::filesystem;

namespace ramvel::testy {
namespace {

const char* const kBazaUzytkownikow = "/var/lib/firebird/3.0/system/security3.fdb";

// Only root can hand a file over; for anyone else it is opened to all, which
// is enough for the tests that never start this installation's server.
void DajFirebirdowi(const std::string& sciezka) {
    if (geteuid() != 0) {
        fs::permissions(sciezka, fs::is_directory(sciezka) ? fs::perms(0777) : fs::perms(0666),
                        fs::perm_options::add);
        return;
    }
    const passwd* firebird = getpwnam("firebird");
    if (!firebird || chown(sciezka.c_str(), firebird->pw_uid, firebird->pw_gid) != 0)
        throw std::runtime_error("nie można oddać " + sciezka + " użytkownikowi firebird");
}

std::string CzytajCaly(const std::string& sciezka) {
    std::ifstream plik(sciezka, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(plik)), std::istreambuf_iterator<char>());
}

bool ProcesZyje(pid_t pid) {
    // A stopped process nobody reaps stays as a zombie; its state letter tells.
    const std::string stan = CzytajCaly("/proc/" + std::to_string(pid) + "/stat");
    const size_t nawias = stan.rfind(')');
    return nawias != std::string::npos && nawias + 2 < stan.size() && stan[nawias + 2] != 'Z' &&
           stan[nawias + 2] != 'X';
}

}  // namespace

std::string KatalogFirebirdaDebiana() {
    glob_t znalezione{};
    std::string wynik;
    if (glob("/usr/lib/*/firebird/3.0/firebird.conf", 0, nullptr, &znalezione) == 0 && znalezione.gl_pathc > 0)
        wynik = fs::path(znalezione.gl_pathv[0]).parent_path().string();
    globfree(&znalezione);
    if (wynik.empty())
        throw std::runtime_error("brak instalacji Firebirda 3.0 z Debiana");
    return wynik;
}

uint16_t WolnyPort() {
    const int gniazdo = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in adres{};
    adres.sin_family = AF_INET;
    adres.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t dlugosc = sizeof adres;
    const bool ok = gniazdo >= 0 && bind(gniazdo, reinterpret_cast<sockaddr*>(&adres), sizeof adres) == 0 &&
                    getsockname(gniazdo, reinterpret_cast<sockaddr*>(&adres), &dlugosc) == 0;
    if (gniazdo >= 0)
        close(gniazdo);
    if (!ok)
        throw std::runtime_error("nie ma wolnego portu");
    return ntohs(adres.sin_port);
}

TInstalacjaTestowa::TInstalacjaTestowa() {
    std::string wzor = "/tmp/ramvel-fb-XXXXXX";
    if (!mkdtemp(wzor.data()))
        throw std::runtime_error("mkdtemp");
    FKatalog = wzor;
    fs::permissions(FKatalog, fs::perms(0755));
    FPort = WolnyPort();
    const std::string debian = KatalogFirebirdaDebiana();
    for (const char* nazwa : {"plugins", "lib", "UDF", "firebird.msg", "plugins.conf", "fbtrace.conf"})
        if (fs::exists(debian + "/" + nazwa))
            fs::create_symlink(debian + "/" + nazwa, FKatalog + "/" + nazwa);
    // The character sets are not found through a linked intl directory: a copy.
    fs::create_directory(FKatalog + "/intl");
    for (const char* nazwa : {"libfbintl.so", "fbintl.conf"})
        fs::copy_file(debian + "/intl/" + nazwa, FKatalog + "/intl/" + nazwa);
    ZapiszPlik(FKatalog + "/firebird.conf",
               "# Test installation\nRemoteServicePort = " + std::to_string(FPort) +
                   "\nRemoteBindAddress = 127.0.0.1\nSecurityDatabase = " + FKatalog + "/security3.fdb\n");
    ZapiszPlik(FKatalog + "/databases.conf", "security.db = " + FKatalog + "/security3.fdb\n");
    fs::copy_file(kBazaUzytkownikow, FKatalog + "/security3.fdb");
    fs::permissions(FKatalog + "/security3.fdb", fs::perms(0660));
    DajFirebirdowi(FKatalog + "/security3.fdb");
    fs::create_directory(FKatalog + "/lock");
    fs::permissions(FKatalog + "/lock", fs::perms(0770));
    DajFirebirdowi(FKatalog + "/lock");
}

TInstalacjaTestowa::~TInstalacjaTestowa() {
    try {
        ZatrzymajSerwer();
    } catch (...) {
    }
    std::error_code blad;
    fs::remove_all(FKatalog, blad);
}

void TInstalacjaTestowa::WpiszDoUstawien(const std::string& katalogProgramu) const {
    ZapiszPlik(katalogProgramu + "/ramvel.ini", std::string("[") + kSekcjaSerwera + "]\r\n" +
                                                    kKluczKataloguSerwera + "=" + FKatalog + "\r\n");
}

std::optional<pid_t> TInstalacjaTestowa::PidSerwera() const {
    const std::string szukane = std::string("FIREBIRD=") + FKatalog;
    std::error_code blad;
    for (const auto& wpis : fs::directory_iterator("/proc", blad)) {
        const std::string nazwa = wpis.path().filename().string();
        if (nazwa.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const std::string srodowisko = CzytajCaly(wpis.path().string() + "/environ");
        size_t poczatek = 0;
        while (poczatek < srodowisko.size()) {
            size_t koniec = srodowisko.find('\0', poczatek);
            if (koniec == std::string::npos)
                koniec = srodowisko.size();
            if (srodowisko.compare(poczatek, koniec - poczatek, szukane) == 0) {
                const pid_t pid = static_cast<pid_t>(std::stol(nazwa));
                if (ProcesZyje(pid))
                    return pid;
            }
            poczatek = koniec + 1;
        }
    }
    return std::nullopt;
}

void TInstalacjaTestowa::ZatrzymajSerwer() const {
    const auto pid = PidSerwera();
    if (!pid)
        return;
    kill(*pid, SIGTERM);
    if (!CzekajNa([&] { return !ProcesZyje(*pid); }, 10000)) {
        kill(*pid, SIGKILL);
        CzekajNa([&] { return !ProcesZyje(*pid); }, 5000);
    }
    CzekajNa([&] { return !PrzyjmujePolaczenia(FPort, 200); }, 5000);
}

}  // namespace ramvel::testy
