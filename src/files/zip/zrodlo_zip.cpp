#include "files/zip/zrodlo_zip.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace ramvel {

bool CzytajDokladnie(IZrodloZip& zrodlo, uint64_t pozycja, uint8_t* bufor, size_t ile) {
    while (ile > 0) {
        const int64_t przeczytano = zrodlo.Czytaj(pozycja, bufor, ile);
        if (przeczytano <= 0)
            return false;
        pozycja += static_cast<uint64_t>(przeczytano);
        bufor += przeczytano;
        ile -= static_cast<size_t>(przeczytano);
    }
    return true;
}

std::unique_ptr<TZrodloPliku> TZrodloPliku::Otworz(const std::string& sciezka) {
    const int deskryptor = open(sciezka.c_str(), O_RDONLY | O_CLOEXEC);
    if (deskryptor < 0)
        return nullptr;
    struct stat s{};
    if (fstat(deskryptor, &s) != 0 || !S_ISREG(s.st_mode)) {
        close(deskryptor);
        return nullptr;
    }
    return std::unique_ptr<TZrodloPliku>(new TZrodloPliku(deskryptor, static_cast<uint64_t>(s.st_size)));
}

TZrodloPliku::~TZrodloPliku() {
    close(FDeskryptor);
}

int64_t TZrodloPliku::Czytaj(uint64_t pozycja, uint8_t* bufor, size_t ile) {
    if (pozycja > static_cast<uint64_t>(INT64_MAX))
        return 0;
    for (;;) {
        const ssize_t przeczytano = pread(FDeskryptor, bufor, ile, static_cast<off_t>(pozycja));
        if (przeczytano >= 0)
            return przeczytano;
        if (errno != EINTR)
            return -1;
    }
}

int64_t TZrodloPamieci::Czytaj(uint64_t pozycja, uint8_t* bufor, size_t ile) {
    if (pozycja >= FRozmiar)
        return 0;
    const size_t dostepne = std::min<uint64_t>(ile, FRozmiar - pozycja);
    std::memcpy(bufor, FDane + pozycja, dostepne);
    return static_cast<int64_t>(dostepne);
}

}  // namespace ramvel
