#include "files/zip/cel_pozycji.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "platform/czas_dos.h"

namespace ramvel {
namespace {

bool DrzewoKatalogow(const std::string& katalog) {
    if (katalog.empty())
        return false;
    struct stat s{};
    if (stat(katalog.c_str(), &s) == 0)
        return S_ISDIR(s.st_mode);
    const size_t ukosnik = katalog.find_last_of('/', katalog.size() - 2);
    if (ukosnik != std::string::npos && ukosnik > 0 && !DrzewoKatalogow(katalog.substr(0, ukosnik)))
        return false;
    return mkdir(katalog.c_str(), 0777) == 0 || (errno == EEXIST && stat(katalog.c_str(), &s) == 0 && S_ISDIR(s.st_mode));
}

// Opens (creating when missing) the directory `nazwa` inside `rodzic`,
// refusing a link in its place.
int OtworzPodkatalog(int rodzic, const std::string& nazwa) {
    int wynik = openat(rodzic, nazwa.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (wynik < 0 && errno == ENOENT) {
        if (mkdirat(rodzic, nazwa.c_str(), 0777) != 0 && errno != EEXIST)
            return -1;
        wynik = openat(rodzic, nazwa.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    }
    return wynik;
}

}  // namespace

bool PoziomyNazwy(const std::string& nazwa, std::vector<std::string>& poziomy) {
    poziomy.clear();
    if (nazwa.empty() || nazwa.front() == '/' || nazwa.front() == '\\' || nazwa.find('\0') != std::string::npos)
        return false;
    if (nazwa.size() >= 2 && nazwa[1] == ':')
        return false;
    size_t poczatek = 0;
    while (poczatek <= nazwa.size()) {
        size_t koniec = nazwa.find_first_of("/\\", poczatek);
        if (koniec == std::string::npos)
            koniec = nazwa.size();
        const std::string poziom = nazwa.substr(poczatek, koniec - poczatek);
        if (poziom == "..")
            return false;
        if (!poziom.empty() && poziom != ".")
            poziomy.push_back(poziom);
        poczatek = koniec + 1;
    }
    return true;
}

TCelPozycji::~TCelPozycji() {
    Zamknij();
}

void TCelPozycji::Zamknij() {
    if (FPlik >= 0)
        close(FPlik);
    if (FKatalog >= 0)
        close(FKatalog);
    FPlik = FKatalog = -1;
}

bool TCelPozycji::Utworz(const std::string& katalogDocelowy, const std::string& nazwa, bool katalog) {
    Zamknij();
    std::vector<std::string> poziomy;
    if (!PoziomyNazwy(nazwa, poziomy) || (poziomy.empty() && !katalog) || !DrzewoKatalogow(katalogDocelowy))
        return false;
    FKatalog = open(katalogDocelowy.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const size_t posredniePoziomy = katalog ? poziomy.size() : poziomy.size() - 1;
    for (size_t i = 0; FKatalog >= 0 && i < posredniePoziomy; ++i) {
        const int podkatalog = OtworzPodkatalog(FKatalog, poziomy[i]);
        close(FKatalog);
        FKatalog = podkatalog;
    }
    if (FKatalog < 0)
        return false;
    if (katalog)
        return true;

    FNazwa = poziomy.back();
    struct stat s{};
    if (fstatat(FKatalog, FNazwa.c_str(), &s, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISLNK(s.st_mode)) {
            // Written through, a link could reach outside the target.
            if (unlinkat(FKatalog, FNazwa.c_str(), 0) != 0)
                return false;
        } else if (S_ISREG(s.st_mode) && (s.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            // Overwritten without a question, as the original reset the
            // attributes of an existing file first.
            fchmodat(FKatalog, FNazwa.c_str(), (s.st_mode & 07777) | S_IWUSR, 0);
        }
    }
    FPlik = openat(FKatalog, FNazwa.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
    return FPlik >= 0;
}

bool TCelPozycji::Zapisz(const uint8_t* dane, size_t ile) {
    while (ile > 0) {
        const ssize_t zapisano = write(FPlik, dane, ile);
        if (zapisano < 0 && errno == EINTR)
            continue;
        if (zapisano <= 0)
            return false;
        dane += zapisano;
        ile -= static_cast<size_t>(zapisano);
    }
    return true;
}

bool TCelPozycji::Zakoncz(uint32_t czasDos, uint8_t atrybuty) {
    if (FPlik < 0) {
        Zamknij();
        return false;
    }
    const int64_t czas = CzasDosNaUnix(czasDos);
    if (czas >= 0) {
        const timespec czasy[2] = {{static_cast<time_t>(czas), 0}, {static_cast<time_t>(czas), 0}};
        futimens(FPlik, czasy);
    }
    struct stat s{};
    if ((atrybuty & 0x01) && fstat(FPlik, &s) == 0)
        fchmod(FPlik, s.st_mode & 07777 & ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH));
    // A failing close can be the first report of a full disk.
    const bool zamkniety = close(FPlik) == 0;
    FPlik = -1;
    if (!zamkniety)
        unlinkat(FKatalog, FNazwa.c_str(), 0);
    Zamknij();
    return zamkniety;
}

void TCelPozycji::Usun() {
    if (FPlik >= 0) {
        close(FPlik);
        FPlik = -1;
        unlinkat(FKatalog, FNazwa.c_str(), 0);
    }
    Zamknij();
}

}  // namespace ramvel
