#pragma once
// The ZIP extractor's reports shown on the main window's shared progress
// window: one bar per entry, counted in bytes written.
#include <cstdint>

#include "files/zip/raport_zip.h"
#include "ui/postep.h"

namespace ramvel {

class TPostepZip {
public:
    explicit TPostepZip(IPostep& okno) : FOkno(okno) {}
    void operator()(int32_t wartosc, const TRaportZip& raport);
    bool Pokazano() const { return FPokazano; }
    // The code of the first entry that failed while the others went on
    // (CRC, write, method); 0 when none did.
    int32_t BladPozycji() const { return FBladPozycji; }

private:
    IPostep& FOkno;
    int64_t FLicznik = 0;  // bytes of the current entry written so far
    bool FPokazano = false;
    int32_t FBladPozycji = 0;
};

}  // namespace ramvel
