#pragma once
// The component the restore uses: set the archive, the target directory and
// the progress callback, then run it once.
#include <cstdint>
#include <string>

#include "files/zip/raport_zip.h"

namespace ramvel {

class TUnzipInt {
public:
    // The longest archive path or target directory, in characters.
    static constexpr size_t NajdluzszaSciezka = 254;

    TUnzipInt() = default;
    virtual ~TUnzipInt() = default;
    TUnzipInt(const TUnzipInt&) = delete;
    TUnzipInt& operator=(const TUnzipInt&) = delete;

    // A path longer than NajdluzszaSciezka characters is kept but makes
    // Rozpakuj refuse with -500: cut short, it would name another file.
    void UstawArchiwum(const std::string& sciezka) { FArchiwum = sciezka; }
    void UstawKatalogDocelowy(const std::string& katalog) { FKatalogDocelowy = katalog; }
    void UstawRaport(TRaportZipProc raport) { FRaport = std::move(raport); }

    const std::string& Archiwum() const { return FArchiwum; }
    const std::string& KatalogDocelowy() const { return FKatalogDocelowy; }
    const std::string& Maska() const { return FMaska; }

    // The number of entries extracted, or a negative code (OpisBleduZip):
    // -500 when the archive or the target directory is missing or too long.
    virtual int32_t Rozpakuj();

private:
    std::string FArchiwum;
    std::string FKatalogDocelowy;
    const std::string FMaska = "*.*";
    TRaportZipProc FRaport;
};

}  // namespace ramvel
