#include "db/uzytkownik_bazy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "files/sciezki.h"
#include "platform/bledy.h"
#include "platform/srodowisko.h"

namespace ramvel {
namespace {

// A password file is a line of ten characters; anything much longer is not one.
constexpr size_t kNajdluzszyPlikHasla = 64;

std::string BezBialychZnakow(const std::string& tekst) {
    size_t a = 0, b = tekst.size();
    while (a < b && (tekst[a] == ' ' || tekst[a] == '\t' || tekst[a] == '\r' || tekst[a] == '\n'))
        ++a;
    while (b > a && (tekst[b - 1] == ' ' || tekst[b - 1] == '\t' || tekst[b - 1] == '\r' || tekst[b - 1] == '\n'))
        --b;
    return tekst.substr(a, b - a);
}

bool MaPostacHasla(const std::string& haslo) {
    if (haslo.size() != 10)
        return false;
    for (char c : haslo)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')))
            return false;
    return true;
}

class TDeskryptor {
public:
    explicit TDeskryptor(int fd) : FFd(fd) {}
    ~TDeskryptor() {
        if (FFd >= 0)
            close(FFd);
    }
    TDeskryptor(const TDeskryptor&) = delete;
    TDeskryptor& operator=(const TDeskryptor&) = delete;
    int Fd() const { return FFd; }

private:
    int FFd;
};

std::string HasloZPliku(const std::string& plik) {
    TDeskryptor fd(open(plik.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    if (fd.Fd() < 0) {
        if (errno == ENOENT)
            throw EBlad(std::string("Brak hasła użytkownika bazy danych ") + kUzytkownikBazy +
                        ": ustaw zmienną " + kZmiennaHaslaBazy + " albo utwórz plik " + plik +
                        " (bash scripts/firebird.sh haslo " + KatalogNadrzedny(plik) + ").");
        throw EBlad("Nie można odczytać pliku " + plik + ": " + OpisOstatniegoBledu());
    }
    struct stat opis {};
    if (fstat(fd.Fd(), &opis) != 0)
        throw EBlad("Nie można odczytać pliku " + plik + ": " + OpisOstatniegoBledu());
    if (!S_ISREG(opis.st_mode))
        throw EBlad("Plik " + plik + " nie jest zwykłym plikiem.");
    if (opis.st_mode & (S_IRGRP | S_IROTH | S_IWGRP | S_IWOTH))
        throw EBlad("Plik " + plik + " z hasłem bazy danych mogą czytać lub zmieniać inni użytkownicy. "
                    "Ustaw prawa tylko dla właściciela: chmod 600 " + plik);
    char bufor[kNajdluzszyPlikHasla + 1];
    size_t przeczytane = 0;
    while (przeczytane < sizeof bufor) {
        const ssize_t n = read(fd.Fd(), bufor + przeczytane, sizeof bufor - przeczytane);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw EBlad("Nie można odczytać pliku " + plik + ": " + OpisOstatniegoBledu());
        if (n == 0)
            break;
        przeczytane += static_cast<size_t>(n);
    }
    if (przeczytane > kNajdluzszyPlikHasla)
        throw EBlad("Plik " + plik + " nie zawiera hasła bazy danych (dziesięciu cyfr szesnastkowych).");
    const std::string haslo = BezBialychZnakow(std::string(bufor, przeczytane));
    if (!MaPostacHasla(haslo))
        throw EBlad("Plik " + plik + " nie zawiera hasła bazy danych (dziesięciu cyfr szesnastkowych).");
    return haslo;
}

}  // namespace

std::string HasloBazy(const std::string& katalog) {
    if (const char* zmienna = std::getenv(kZmiennaHaslaBazy); zmienna && *zmienna) {
        const std::string haslo = BezBialychZnakow(zmienna);
        if (!MaPostacHasla(haslo))
            throw EBlad(std::string("Zmienna ") + kZmiennaHaslaBazy +
                        " nie zawiera hasła bazy danych (dziesięciu cyfr szesnastkowych).");
        return haslo;
    }
    return HasloZPliku(PolaczSciezke(katalog.empty() ? KatalogProgramu() : katalog, kPlikHaslaBazy));
}

}  // namespace ramvel
