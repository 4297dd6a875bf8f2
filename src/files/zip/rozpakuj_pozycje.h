#pragma once
// One entry: its local header, its data decoded into the target (or only
// checked), its CRC-32 compared.
#include <cstdint>
#include <functional>
#include <string>

#include "files/zip/katalog_centralny.h"
#include "files/zip/zrodlo_zip.h"

namespace ramvel {

// Returns 0 or the entry's error code (-1 … -8). The target file is deleted on
// every failure after it was created. With `tylkoTest` nothing is written:
// the data is decoded and its CRC checked. `raportBloku` gets the size of each
// block written.
int32_t RozpakujPozycje(IZrodloZip& archiwum, const TPozycjaKatalogu& wpis, const std::string& katalogDocelowy,
                        bool tylkoTest, const std::function<void(int32_t)>& raportBloku);

}  // namespace ramvel
