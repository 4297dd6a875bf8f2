#include "db/serwer_lokalny.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <glob.h>
#include <grp.h>
#include <netinet/in.h>
#include <poll.h>
#include <pwd.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "files/sciezki.h"
#include "platform/plik_ini.h"
#include "platform/srodowisko.h"
#include "ui/komunikaty.h"
#include "ui/kursor.h"

extern char** environ;

namespace ramvel {
namespace {

const char* const kBrakSerwera = "Server FireBird nie jest zainstalowany na tym komputerze.";
const char* const kBladStartu = "Nie udało się uruchomić serwera FireBird.";

// Debian's root of the 3.0 server; the multiarch directory differs per machine.
const char* const kWzorKataloguDebiana = "/usr/lib/*/firebird/3.0";
const char* const kProgramDebiana = "/usr/sbin/firebird";
const char* const kUslugaSystemd = "firebird3.0.service";
const char* const kUzytkownikSerwera = "firebird";

// A file descriptor closed on every way out.
class TDeskryptor {
public:
    explicit TDeskryptor(int fd = -1) : FFd(fd) {}
    ~TDeskryptor() { Zamknij(); }
    TDeskryptor(const TDeskryptor&) = delete;
    TDeskryptor& operator=(const TDeskryptor&) = delete;
    int Fd() const { return FFd; }
    void Zamknij() {
        if (FFd >= 0)
            close(FFd);
        FFd = -1;
    }

private:
    int FFd;
};

bool MaKonfiguracje(const std::string& katalog) {
    return PlikIstnieje(PolaczSciezke(katalog, "firebird.conf"));
}

std::string BezKoncowegoUkosnika(std::string katalog) {
    while (katalog.size() > 1 && katalog.back() == '/')
        katalog.pop_back();
    return katalog;
}

std::optional<std::string> KatalogZUstawien() {
    try {
        const auto katalog = TPlikIni(PlikUstawien()).Czytaj(kSekcjaSerwera, kKluczKataloguSerwera);
        if (katalog && !katalog->empty())
            return BezKoncowegoUkosnika(*katalog);
    } catch (...) {
        // An unreadable settings file leaves Debian's installation in force.
    }
    return std::nullopt;
}

std::optional<std::string> KatalogDebiana() {
    glob_t znalezione{};
    std::optional<std::string> wynik;
    if (glob(kWzorKataloguDebiana, GLOB_ONLYDIR, nullptr, &znalezione) == 0)
        for (size_t i = 0; i < znalezione.gl_pathc && !wynik; ++i)
            if (MaKonfiguracje(znalezione.gl_pathv[i]))
                wynik = znalezione.gl_pathv[i];
    globfree(&znalezione);
    return wynik;
}

bool SystemdDziala() {
    struct stat s{};
    return stat("/run/systemd/system", &s) == 0 && S_ISDIR(s.st_mode);
}

// `systemctl start` and its exit status.
bool UruchomPrzezSystemd() {
    std::vector<std::string> argumenty{"systemctl", "start", kUslugaSystemd};
    std::vector<char*> argv;
    for (auto& a : argumenty)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, "systemctl", nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    int stan = 0;
    while (waitpid(pid, &stan, 0) < 0)
        if (errno != EINTR)
            return false;
    return WIFEXITED(stan) && WEXITSTATUS(stan) == 0;
}

// Whole writes of the errno value, from a child after fork.
void ZglosBlad(int fd, int kod) {
    const char* p = reinterpret_cast<const char*>(&kod);
    size_t zostalo = sizeof kod;
    while (zostalo > 0) {
        const ssize_t n = write(fd, p, zostalo);
        if (n <= 0 && errno != EINTR)
            return;
        if (n > 0) {
            p += n;
            zostalo -= static_cast<size_t>(n);
        }
    }
}

// The server program in a session of its own, as user firebird, detached from
// us (a double fork leaves no child to reap), with FIREBIRD naming its root so
// an installation other than Debian's reads its own firebird.conf. Everything
// the child needs is prepared before the fork: after it only system calls.
bool UruchomJakoFirebird(const std::string& katalog, const std::string& program) {
    struct passwd wpis{};
    struct passwd* znaleziony = nullptr;
    std::vector<char> bufor(16384);
    if (getpwnam_r(kUzytkownikSerwera, &wpis, bufor.data(), bufor.size(), &znaleziony) != 0 || !znaleziony)
        return false;
    const uid_t uid = wpis.pw_uid;
    const gid_t gid = wpis.pw_gid;
    int ileGrup = 64;
    std::vector<gid_t> grupy(static_cast<size_t>(ileGrup));
    if (getgrouplist(kUzytkownikSerwera, gid, grupy.data(), &ileGrup) < 0) {
        grupy.resize(static_cast<size_t>(ileGrup));
        if (getgrouplist(kUzytkownikSerwera, gid, grupy.data(), &ileGrup) < 0)
            return false;
    }
    grupy.resize(static_cast<size_t>(ileGrup));

    std::vector<std::string> srodowisko;
    for (char** e = environ; e && *e; ++e)
        if (std::strncmp(*e, "FIREBIRD=", 9) != 0)
            srodowisko.emplace_back(*e);
    srodowisko.push_back("FIREBIRD=" + katalog);
    std::vector<char*> envp;
    for (auto& e : srodowisko)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string programArg = program;
    char* argv[] = {programArg.data(), nullptr};

    int rura[2];
    if (pipe2(rura, O_CLOEXEC) != 0)
        return false;
    TDeskryptor doCzytania(rura[0]), doPisania(rura[1]);

    const pid_t posrednik = fork();
    if (posrednik < 0)
        return false;
    if (posrednik == 0) {
        const pid_t serwer = fork();
        if (serwer < 0) {
            ZglosBlad(doPisania.Fd(), errno);
            _exit(1);
        }
        if (serwer > 0)
            _exit(0);
        setsid();
        const int nic = open("/dev/null", O_RDWR);
        if (nic >= 0) {
            dup2(nic, 0);
            dup2(nic, 1);
            dup2(nic, 2);
            if (nic > 2)
                close(nic);
        }
        if (chdir("/") != 0 || setgroups(grupy.size(), grupy.data()) != 0 || setgid(gid) != 0 ||
            setuid(uid) != 0) {
            ZglosBlad(doPisania.Fd(), errno);
            _exit(1);
        }
        execve(argv[0], argv, envp.data());
        ZglosBlad(doPisania.Fd(), errno);
        _exit(127);
    }
    doPisania.Zamknij();
    int stan = 0;
    while (waitpid(posrednik, &stan, 0) < 0)
        if (errno != EINTR)
            return false;
    // The write end closes at a successful exec: end of file means started.
    int kod = 0;
    ssize_t n;
    do {
        n = read(doCzytania.Fd(), &kod, sizeof kod);
    } while (n < 0 && errno == EINTR);
    return n == 0 && WIFEXITED(stan) && WEXITSTATUS(stan) == 0;
}

// The Windows program shows the hourglass and sets the default cursor back on
// every way out, whatever the nesting of other busy cursors.
class TKlepsydra {
public:
    TKlepsydra() { Kursor().Ustaw(TKursor::Klepsydra); }
    ~TKlepsydra() { Kursor().Ustaw(TKursor::Normalny); }
    TKlepsydra(const TKlepsydra&) = delete;
    TKlepsydra& operator=(const TKlepsydra&) = delete;
};

}  // namespace

std::optional<std::string> ZnajdzKatalogSerwera() {
    if (const auto zUstawien = KatalogZUstawien())
        return MaKonfiguracje(*zUstawien) ? zUstawien : std::nullopt;
    return KatalogDebiana();
}

bool KatalogSerwera(std::string& katalog) {
    const auto znaleziony = ZnajdzKatalogSerwera();
    if (!znaleziony) {
        KomunikatBlad(kBrakSerwera);
        return false;
    }
    katalog = *znaleziony;
    return true;
}

uint16_t PortZKonfiguracji(const std::string& tresc) {
    uint16_t port = kDomyslnyPortSerwera;
    size_t poczatek = 0;
    while (poczatek < tresc.size()) {
        size_t koniec = tresc.find('\n', poczatek);
        if (koniec == std::string::npos)
            koniec = tresc.size();
        std::string linia = tresc.substr(poczatek, koniec - poczatek);
        poczatek = koniec + 1;
        if (const size_t hasz = linia.find('#'); hasz != std::string::npos)
            linia.erase(hasz);
        const size_t rowna = linia.find('=');
        if (rowna == std::string::npos)
            continue;
        auto przytnij = [](std::string t) {
            const char* biale = " \t\r";
            const size_t a = t.find_first_not_of(biale);
            if (a == std::string::npos)
                return std::string();
            return t.substr(a, t.find_last_not_of(biale) - a + 1);
        };
        std::string klucz = przytnij(linia.substr(0, rowna));
        for (char& c : klucz)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        if (klucz != "remoteserviceport")
            continue;
        const std::string wartosc = przytnij(linia.substr(rowna + 1));
        if (wartosc.empty() || wartosc.size() > 5 || wartosc.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const unsigned long liczba = std::stoul(wartosc);
        if (liczba >= 1 && liczba <= 65535)
            port = static_cast<uint16_t>(liczba);
    }
    return port;
}

uint16_t PortSerwera(const std::string& katalog) {
    // firebird.conf is a few kilobytes; a larger file is not one.
    const size_t kNajwiekszaKonfiguracja = 1 << 20;
    std::ifstream plik(PolaczSciezke(katalog, "firebird.conf"), std::ios::binary);
    if (!plik)
        return kDomyslnyPortSerwera;
    std::string tresc(kNajwiekszaKonfiguracja, '\0');
    plik.read(tresc.data(), static_cast<std::streamsize>(tresc.size()));
    tresc.resize(static_cast<size_t>(plik.gcount()));
    return PortZKonfiguracji(tresc);
}

std::string ProgramSerwera(const std::string& katalog) {
    const std::string wlasny = PolaczSciezke(katalog, "bin/firebird");
    return PlikIstnieje(wlasny) ? wlasny : kProgramDebiana;
}

bool PrzyjmujePolaczenia(uint16_t port, int limitMs) {
    TDeskryptor gniazdo(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (gniazdo.Fd() < 0)
        return false;
    sockaddr_in adres{};
    adres.sin_family = AF_INET;
    adres.sin_port = htons(port);
    adres.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(gniazdo.Fd(), reinterpret_cast<const sockaddr*>(&adres), sizeof adres) == 0)
        return true;
    if (errno != EINPROGRESS)
        return false;
    pollfd czekaj{gniazdo.Fd(), POLLOUT, 0};
    int n;
    do {
        n = poll(&czekaj, 1, limitMs);
    } while (n < 0 && errno == EINTR);
    if (n <= 0)
        return false;
    int blad = 0;
    socklen_t dlugosc = sizeof blad;
    return getsockopt(gniazdo.Fd(), SOL_SOCKET, SO_ERROR, &blad, &dlugosc) == 0 && blad == 0;
}

bool SerwerUruchomiony() {
    const auto katalog = ZnajdzKatalogSerwera();
    return PrzyjmujePolaczenia(katalog ? PortSerwera(*katalog) : kDomyslnyPortSerwera);
}

bool UruchomSerwer() {
    TKlepsydra klepsydra;
    std::string katalog;
    if (!KatalogSerwera(katalog))
        return false;
    bool uruchomiony = false;
    if (SystemdDziala() && !KatalogZUstawien())
        uruchomiony = UruchomPrzezSystemd();
    else if (geteuid() == 0)
        uruchomiony = UruchomJakoFirebird(katalog, ProgramSerwera(katalog));
    if (!uruchomiony)
        KomunikatBlad(kBladStartu);
    return uruchomiony;
}

}  // namespace ramvel
