#pragma once
// One backup of one company, as its description file tells it.
#include <cstdint>
#include <string>

namespace ramvel {

struct TRekKat {
    // The archive's path with ".aaa" for its extension: the volume extensions
    // are put on this neutral base path, and it tells a diskette backup.
    std::string NazwaPliku;
    std::string PodKatalog;     // the company key: data subdirectory, archive and database base name
    std::string NazwaSkr;       // short description of the company
    std::string ProgramName;    // the product that made the backup ("Morvanta PRO")
    std::string Wersja;         // its version
    std::string LicencjaNazwa;  // licence holder
    double Czas = 0;            // days since 1899-12-30, fraction = time of day
    int32_t IloscDysk = 0;      // volumes (diskettes) of the archive
    int32_t Id = 0;             // the same on every diskette of one backup
    int32_t LicencjaNr = 0;
    bool DaneSystemowe = false; // set by the restore when the system data is restored too
    std::string ArchiveExt;     // "kvp" or "zip"
};

}  // namespace ramvel
