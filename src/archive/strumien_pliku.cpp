#include "archive/strumien_pliku.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/bledy.h"
#include "platform/srodowisko.h"

namespace ramvel {

TStrumienPliku::TStrumienPliku(const std::string& sciezka)
    : FDeskryptor(open(sciezka.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666)) {
    if (FDeskryptor < 0)
        throw EBlad("Nie można utworzyć pliku \"" + sciezka + "\". " + OpisOstatniegoBledu());
}

TStrumienPliku::~TStrumienPliku() { close(FDeskryptor); }

int64_t TStrumienPliku::Rozmiar() const {
    struct stat s{};
    return fstat(FDeskryptor, &s) == 0 ? static_cast<int64_t>(s.st_size) : -1;
}

void ZapiszDoStrumienia(TStrumienPliku& strumien, const uint8_t* bufor, size_t ile) {
    size_t zapisane = 0;
    while (zapisane < ile) {
        const ssize_t n = write(strumien.Deskryptor(), bufor + zapisane, ile - zapisane);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw EBlad("Błąd zapisu do strumienia.");
        zapisane += static_cast<size_t>(n);
    }
}

}  // namespace ramvel
