#pragma once
// Backups as the product writes them: the archive (ZIP or KVR, the KVR one
// possibly cut into diskette volumes) named after the company key, and the
// description file beside it.
#include <string>
#include <vector>

namespace ramvel::testy {

struct TPlikArchiwum {
    std::string Nazwa;  // as stored (Windows-1250, '\' between directories)
    std::string Dane;
};

// The description file's keys that the tests vary.
struct TOpisKopiiTestowej {
    std::string PodKatalog = "FIRMA";
    std::string NazwaSkr = "Firma testowa";
    std::string Czas = "2008-10-10 9:05";
    int Id = 7;
    int IloscDysk = 1;
    std::string ArchiveExt = "zip";
};

// Section "Kopia" of the description, in Windows-1250 with CRLF.
std::string OpisKopii(const TOpisKopiiTestowej& opis);

// A ZIP archive with deflated entries.
std::string ZipKopii(const std::vector<TPlikArchiwum>& pliki);
// A KVR archive (coded blocks, end marker after the last entry).
std::string KvrKopii(const std::vector<TPlikArchiwum>& pliki);

// <katalog>/<PodKatalog>.<ArchiveExt> holding `archiwum` and its description
// <katalog>/<PodKatalog>.ini; the directory levels are created.
void ZapiszKopie(const std::string& katalog, const TOpisKopiiTestowej& opis, const std::string& archiwum);

}  // namespace ramvel::testy
