#include "files/zip/wyjscie_zip.h"

#include <zlib.h>

#include "files/zip/kody_zip.h"

namespace ramvel {

TWyjscieZip::TWyjscieZip(ICelDanych& cel, size_t rozmiarBloku, uint64_t limit,
                         std::function<void(int32_t)> raportBloku)
    : FCel(cel), FBlok(rozmiarBloku), FLimit(limit), FRaportBloku(std::move(raportBloku)) {}

int32_t TWyjscieZip::Miejsce(uint8_t*& wolne, size_t& ile) {
    if (FWBloku == FBlok.size())
        if (const int32_t kod = Oproznij(); kod != 0)
            return kod;
    wolne = FBlok.data() + FWBloku;
    ile = FBlok.size() - FWBloku;
    return 0;
}

int32_t TWyjscieZip::Dopisano(size_t ile) {
    if (FZapisano + FWBloku + ile > FLimit)
        return KodZip::BladFormatu;
    FWBloku += ile;
    return 0;
}

int32_t TWyjscieZip::Oproznij() {
    if (FWBloku == 0)
        return 0;
    FCrc = static_cast<uint32_t>(crc32(FCrc, FBlok.data(), static_cast<uInt>(FWBloku)));
    if (!FCel.Zapisz(FBlok.data(), FWBloku))
        return KodZip::BladZapisu;
    FZapisano += FWBloku;
    const size_t zapisany = FWBloku;
    FWBloku = 0;
    if (FRaportBloku)
        FRaportBloku(static_cast<int32_t>(zapisany));
    return 0;
}

}  // namespace ramvel
