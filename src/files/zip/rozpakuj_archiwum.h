#pragma once
// A whole archive: recognised, its central directory walked, every entry
// extracted under the target directory, with progress reports on the way.
#include <cstdint>
#include <string>

#include "files/zip/raport_zip.h"
#include "files/zip/zrodlo_zip.h"

namespace ramvel {

// Where the archive begins: 0 when the file starts with a local header,
// otherwise the first local header within the first 196608 bytes (a
// self-extractor's stub in front), or -12 when there is none.
int64_t ZnajdzPoczatekArchiwum(IZrodloZip& zrodlo);

// True when the file holds a ZIP archive (by content, whatever its name).
bool JestArchiwumZip(const std::string& sciezka);

// Returns the number of entries extracted (failed entries of codes -1, -2,
// -6, -7 are reported and skipped), or a negative code: -500 empty parameter,
// -12 not a ZIP archive, -9 unusable central directory, or the code of the
// entry whose failure ended the extraction (-3, -4, -5, -8).
int32_t RozpakujArchiwum(const std::string& archiwum, const std::string& katalogDocelowy, const std::string& maska,
                         const TRaportZipProc& raport);

// The same over bytes from anywhere; with `tylkoTest` every entry is decoded
// and checked and nothing is written (katalogDocelowy only names the entries
// in the reports).
int32_t RozpakujArchiwum(IZrodloZip& zrodlo, const std::string& archiwum, const std::string& katalogDocelowy,
                         const std::string& maska, const TRaportZipProc& raport, bool tylkoTest);

}  // namespace ramvel
