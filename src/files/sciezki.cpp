#include "files/sciezki.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#include <cerrno>
#include <ctime>
#include <vector>

#include "files/napedy.h"
#include "files/teksty.h"
#include "files/kursor.h"
#include "platform/bledy.h"
#include "platform/czas_dos.h"

namespace ramvel {

std::string PolaczSciezke(const std::string& katalog, const std::string& nazwa) {
    if (katalog.empty())
        return nazwa;
    const char separator = katalog.front() == '/' ? '/' : '\\';
    std::string wynik = katalog;
    if (wynik.back() != separator)
        wynik += separator;
    return wynik + nazwa;
}

std::string KatalogNadrzedny(const std::string& sciezka) {
    if (sciezka.empty())
        return {};
    const char* separatory = sciezka.front() == '/' ? "/" : sciezka.front() == '\\' ? "\\" : "\\:";
    const size_t pozycja = sciezka.find_last_of(separatory);
    return pozycja == std::string::npos ? std::string() : sciezka.substr(0, pozycja + 1);
}

std::string NazwaPliku(const std::string& sciezka) {
    const size_t pozycja = sciezka.find_last_of("/\\:");
    return pozycja == std::string::npos ? sciezka : sciezka.substr(pozycja + 1);
}

bool PlikIstnieje(const std::string& plik) {
    struct stat s{};
    return stat(plik.c_str(), &s) == 0 && S_ISREG(s.st_mode);
}

std::optional<std::string> ZnajdzPlikBezWielkosciLiter(const std::string& sciezka) {
    if (PlikIstnieje(sciezka))
        return sciezka;
    const size_t ukosnik = sciezka.rfind('/');
    const std::string katalog = ukosnik == std::string::npos ? std::string() : sciezka.substr(0, ukosnik + 1);
    const std::string szukana = sciezka.substr(katalog.size());
    DIR* strumien = opendir(katalog.empty() ? "." : katalog.c_str());
    if (!strumien)
        return std::nullopt;
    std::optional<std::string> najmniejsza;
    while (const dirent* wpis = readdir(strumien)) {
        const std::string nazwa = wpis->d_name;
        if (TekstyRowne(nazwa, szukana) && PlikIstnieje(katalog + nazwa) && (!najmniejsza || nazwa < *najmniejsza))
            najmniejsza = nazwa;
    }
    closedir(strumien);
    if (!najmniejsza)
        return std::nullopt;
    return katalog + *najmniejsza;
}

bool KatalogIstnieje(const std::string& katalog) {
    struct stat s{};
    return stat(katalog.c_str(), &s) == 0 && S_ISDIR(s.st_mode);
}

bool UtworzDrzewoKatalogow(const std::string& katalog) {
    if (katalog.empty())
        throw EBlad("Błąd tworzenia katalogu.");
    std::string sciezka = katalog;
    if (sciezka.size() > 1 && (sciezka.back() == '\\' || sciezka.back() == '/'))
        sciezka.pop_back();
    // A bare drive ("C:") or the root ends the climb.
    const bool korzen = sciezka == "/" || (sciezka.front() != '/' && sciezka.size() <= 2);
    if (korzen || KatalogIstnieje(sciezka) || KatalogNadrzedny(sciezka) == sciezka)
        return true;
    if (!UtworzDrzewoKatalogow(KatalogNadrzedny(sciezka)))
        return false;
    return mkdir(sciezka.c_str(), 0777) == 0 || (errno == EEXIST && KatalogIstnieje(sciezka));
}

void UtworzKatalog(const std::string& katalog) {
    if (katalog.empty())
        return;
    const char pierwszy = katalog.front();
    const bool dozwolony = pierwszy == '/' || pierwszy == '\\' || (pierwszy >= 'C' && pierwszy <= 'Z') ||
                           (pierwszy >= 'c' && pierwszy <= 'z');
    if (!dozwolony || JestDyskietka(katalog))
        return;
    if (KatalogIstnieje(katalog))
        return;
    UtworzDrzewoKatalogow(katalog);
    if (!KatalogIstnieje(katalog))
        throw EBlad("Nie można utworzyć katalogu: " + katalog);
}

namespace {

void OprozniajKatalog(const std::string& katalog) {
    DIR* strumien = opendir(katalog.c_str());
    if (!strumien)
        return;
    std::vector<std::string> nazwy;
    while (const dirent* wpis = readdir(strumien)) {
        const std::string nazwa = wpis->d_name;
        if (nazwa != "." && nazwa != "..")
            nazwy.push_back(nazwa);
    }
    closedir(strumien);
    for (const auto& nazwa : nazwy) {
        const std::string sciezka = katalog + "/" + nazwa;
        struct stat s{};
        if (lstat(sciezka.c_str(), &s) != 0)
            continue;
        if (S_ISDIR(s.st_mode)) {
            // A directory without write or search rights cannot be emptied.
            chmod(sciezka.c_str(), (s.st_mode & 07777) | S_IRWXU);
            OprozniajKatalog(sciezka);
            rmdir(sciezka.c_str());
        } else {
            if (!S_ISLNK(s.st_mode) && (s.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
                chmod(sciezka.c_str(), (s.st_mode & 07777) | S_IWUSR);
            unlink(sciezka.c_str());
        }
    }
}

}  // namespace

void UsunZawartoscKatalogu(const std::string& katalog) {
    TKursorCzekania kursor(false, 0);
    struct stat s{};
    if (katalog.empty() || lstat(katalog.c_str(), &s) != 0 || !S_ISDIR(s.st_mode))
        return;
    OprozniajKatalog(katalog);
}

int64_t RozmiarPliku(const std::string& plik) {
    struct stat s{};
    if (stat(plik.c_str(), &s) != 0 || !S_ISREG(s.st_mode) || access(plik.c_str(), R_OK) != 0)
        return -1;
    return static_cast<int64_t>(s.st_size);
}

bool JestTylkoDoOdczytu(const std::string& plik) {
    struct stat s{};
    return stat(plik.c_str(), &s) == 0 && (s.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool UstawTylkoDoOdczytu(const std::string& plik, bool wlacz) {
    struct stat s{};
    if (stat(plik.c_str(), &s) != 0)
        return false;
    const mode_t tryb = s.st_mode & 07777;
    const bool tylkoDoOdczytu = (tryb & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    if (wlacz == tylkoDoOdczytu)
        return true;
    const mode_t nowy = wlacz ? (tryb & ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH)) : (tryb | S_IWUSR);
    return chmod(plik.c_str(), nowy) == 0;
}

void UstawDatePliku(const std::string& plik, uint32_t dataDos) {
    if (access(plik.c_str(), W_OK) != 0)
        return;
    const int64_t chwila = CzasDosNaUnix(dataDos);
    if (chwila < 0)
        return;
    const auto czasUnix = static_cast<std::time_t>(chwila);
    utimbuf czasy{czasUnix, czasUnix};
    utime(plik.c_str(), &czasy);
}

}  // namespace ramvel
