// The restore service's side of the benchmark: KATALOG/NAZWA.gbk restored by
// TkvRestore into KATALOG/NAZWA + the extension of KATALOG/baza.set, with the
// restore sequence's settings (verbose output, replace). Prints the number of
// lines the server sent; the script does the timing.
#include <cstdio>
#include <exception>
#include <string>

#include "db/kv_restore.h"
#include "platform/srodowisko.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "użycie: %s KATALOG NAZWA\n", argv[0]);
        return 2;
    }
    try {
        ramvel::UstawKatalogProgramu(argv[1]);
        size_t linie = 0;
        ramvel::OdtworzKopieBazy(argv[1], argv[2], [&](ramvel::TkvRestore&, const std::string&) { ++linie; });
        std::printf("linie=%zu\n", linie);
        return 0;
    } catch (const std::exception& blad) {
        std::fprintf(stderr, "błąd: %s\n", blad.what());
        return 1;
    }
}
