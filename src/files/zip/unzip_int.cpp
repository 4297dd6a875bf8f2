#include "files/zip/unzip_int.h"

#include "files/zip/kody_zip.h"
#include "files/zip/rozpakuj_archiwum.h"

namespace ramvel {
namespace {

size_t LiczbaZnakow(const std::string& tekst) {
    size_t znakow = 0;
    for (const char bajt : tekst)
        if ((static_cast<unsigned char>(bajt) & 0xC0) != 0x80)
            ++znakow;
    return znakow;
}

}  // namespace

int32_t TUnzipInt::Rozpakuj() {
    if (FArchiwum.empty() || FKatalogDocelowy.empty() || LiczbaZnakow(FArchiwum) > NajdluzszaSciezka ||
        LiczbaZnakow(FKatalogDocelowy) > NajdluzszaSciezka)
        return KodZip::ZlyParametr;
    return RozpakujArchiwum(FArchiwum, FKatalogDocelowy, FMaska, FRaport);
}

}  // namespace ramvel
