// ZIP archives in ramvel-archiwum: the ZIP extractor's own tool functions.
#include <iostream>

#include "archive/narzedzie/formaty.h"
#include "files/zip/narzedzie_zip.h"
#include "files/zip/rozpakuj_archiwum.h"

namespace ramvel::narzedzie {
namespace {

std::string PelnaNazwaZip(const std::string& archiwum) { return archiwum; }

int RozpakujZip(const TRozpakowanie& polecenie) {
    // The engine's options and masks are the KVR engine's; a ZIP archive is
    // always extracted whole.
    if (!polecenie.Maski.empty())
        std::cerr << "Maski nie dotyczą archiwów ZIP; wypakowuję wszystkie pliki.\n";
    return ZipRozpakuj(polecenie.Archiwum, polecenie.Katalog, std::cout);
}

}  // namespace

TRodzajArchiwum RodzajZip() {
    return {"ZIP", PelnaNazwaZip, JestArchiwumZip, RozpakujZip, ZipTestuj, ZipLista};
}

}  // namespace ramvel::narzedzie
