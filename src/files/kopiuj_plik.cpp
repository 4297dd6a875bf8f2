#include "files/kopiuj_plik.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/napedy.h"
#include "files/sciezki.h"
#include "platform/srodowisko.h"
#include "ui/komunikaty.h"

namespace ramvel {
namespace {

// Closes a descriptor on every way out.
class TDeskryptor {
public:
    explicit TDeskryptor(int fd) : FFd(fd) {}
    ~TDeskryptor() { Zamknij(); }
    TDeskryptor(const TDeskryptor&) = delete;
    TDeskryptor& operator=(const TDeskryptor&) = delete;
    int Fd() const { return FFd; }
    bool Zamknij() {
        if (FFd < 0)
            return true;
        const bool ok = close(FFd) == 0;
        FFd = -1;
        return ok;
    }

private:
    int FFd;
};

// The system copy: source to a temporary file beside the target, then rename.
// Returns 0 or the errno of the failure; the temporary file never outlives it.
int SkopiujZawartosc(const std::string& zrodlo, const std::string& cel) {
    TDeskryptor wejscie(open(zrodlo.c_str(), O_RDONLY | O_CLOEXEC));
    if (wejscie.Fd() < 0)
        return errno;
    struct stat zrodloStat{};
    if (fstat(wejscie.Fd(), &zrodloStat) != 0)
        return errno;

    struct stat celStat{};
    const bool celIstnieje = stat(cel.c_str(), &celStat) == 0;
    if (celIstnieje && S_ISDIR(celStat.st_mode))
        return EISDIR;
    // A read-only target refuses to be overwritten, for root as for anyone.
    if (celIstnieje && (celStat.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return EACCES;
    // A program that has the target open holds a lock on it (the database
    // server locks every database it has attached); replacing the file under
    // it would lose its data. Our own lock keeps it from opening the old file
    // again until the new one is in place.
    TDeskryptor blokadaCelu(celIstnieje ? open(cel.c_str(), O_RDONLY | O_CLOEXEC) : -1);
    // A target we may not even open cannot be shown to be free, and the rename
    // the directory would allow could replace it under the server all the same.
    if (celIstnieje && blokadaCelu.Fd() < 0)
        return errno;
    if (blokadaCelu.Fd() >= 0 && flock(blokadaCelu.Fd(), LOCK_EX | LOCK_NB) != 0)
        return errno == EWOULDBLOCK ? ETXTBSY : errno;

    const std::string tymczasowy = cel + ".ramvel-kopia";
    TDeskryptor wyjscie(open(tymczasowy.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (wyjscie.Fd() < 0)
        return errno;
    int blad = 0;
    char bufor[1 << 16];
    for (;;) {
        const ssize_t przeczytane = read(wejscie.Fd(), bufor, sizeof bufor);
        if (przeczytane < 0) {
            if (errno == EINTR)
                continue;
            blad = errno;
            break;
        }
        if (przeczytane == 0)
            break;
        for (ssize_t zapisane = 0; zapisane < przeczytane;) {
            const ssize_t n = write(wyjscie.Fd(), bufor + zapisane, static_cast<size_t>(przeczytane - zapisane));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                blad = errno;
                break;
            }
            zapisane += n;
        }
        if (blad)
            break;
    }
    if (!blad && fsync(wyjscie.Fd()) != 0)
        blad = errno;
    if (!blad) {
        if (celIstnieje) {
            fchmod(wyjscie.Fd(), celStat.st_mode & 07777);
            if (fchown(wyjscie.Fd(), celStat.st_uid, celStat.st_gid) != 0) {
                // Not ours to give away; the group alone may still be kept.
                [[maybe_unused]] const int ignorowany = fchown(wyjscie.Fd(), static_cast<uid_t>(-1), celStat.st_gid);
            }
        } else {
            const mode_t maska = umask(0);
            umask(maska);
            fchmod(wyjscie.Fd(), zrodloStat.st_mode & 0777 & ~maska);
        }
    }
    if (!wyjscie.Zamknij() && !blad)
        blad = errno;
    if (!blad && RozmiarPliku(tymczasowy) != static_cast<int64_t>(zrodloStat.st_size))
        blad = EIO;
    if (!blad && rename(tymczasowy.c_str(), cel.c_str()) != 0)
        blad = errno;
    if (blad)
        unlink(tymczasowy.c_str());
    return blad;
}

}  // namespace

bool KopiujPlik(const std::string& zrodlo, const std::string& cel, bool zdejmijTylkoDoOdczytu) {
    std::string powod = "Nieznany błąd.";
    bool wynik = false;
    // The window comes last on every way out, also when something raises.
    struct TOknoBledu {
        const std::string& Zrodlo;
        std::string& Powod;
        bool& Wynik;
        ~TOknoBledu() {
            if (!Wynik)
                KomunikatBlad("Błąd kopiowania pliku: " + NazwaPliku(Zrodlo) + "\r\r" + Powod);
        }
    } okno{zrodlo, powod, wynik};

    const std::string plikZrodla = SciezkaNaNapedzie(zrodlo);
    const std::string plikCelu = SciezkaNaNapedzie(cel);
    if (JestDyskietka(zrodlo) && !SprawdzNaped(LiteraDyskietki(zrodlo))) {
        powod = "Brak dyskietki źródłowej w stacji.";
        return false;
    }
    if (!PlikIstnieje(plikZrodla)) {
        powod = "Brak pliku źródłowego.";
        return false;
    }
    const int64_t rozmiar = RozmiarPliku(plikZrodla);
    if (JestDyskietka(cel)) {
        const char litera = LiteraDyskietki(cel);
        if (!SprawdzNaped(litera)) {
            powod = "Brak dyskietki w stacji.";
            return false;
        }
        const int64_t wolne = WolneNaDyskietce(litera);
        if (wolne < rozmiar + 100) {
            powod = "Brak miejsca na dyskietce.";
            return false;
        }
    } else {
        const int64_t wolneKB = WolneKB(KatalogIstnieje(KatalogNadrzedny(plikCelu)) ? KatalogNadrzedny(plikCelu) : plikCelu);
        if (wolneKB > 0 && wolneKB < rozmiar / 1024) {
            powod = "Brak miejsca na dysku docelowym.";
            return false;
        }
    }
    if (zdejmijTylkoDoOdczytu && PlikIstnieje(plikCelu) && !UstawTylkoDoOdczytu(plikCelu, false)) {
        powod = "Plik posiada atrybut 'tylko do odczytu' i nie można go usunąć.";
        return false;
    }
    if (const int blad = SkopiujZawartosc(plikZrodla, plikCelu)) {
        powod = OpisBleduSystemu(blad);
        return false;
    }
    if (!PlikIstnieje(plikCelu)) {
        powod = "Nie odnaleziono pliku po skopiowaniu.";
        return false;
    }
    if (RozmiarPliku(plikCelu) != rozmiar) {
        powod = "Rozmiar po skopiowaniu pliku jest różny od rozmiaru pliku źródłowego.";
        return false;
    }
    wynik = true;
    return true;
}

}  // namespace ramvel
