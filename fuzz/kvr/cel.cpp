// The KVR reader and the block decoder over an in-memory volume set.
//
// Input: byte 0 chooses the volume size (0: one volume; n: n * 16 bytes),
// byte 1 the volume left out of the set (0xFF: none), the rest is the
// archive's logical stream. Every input must end as a whole archive or as
// EUszkodzoneArchiwum / EBlad, never by reading or writing outside a buffer.
// The decoder is also checked against the step-by-step yardstick on the
// stream taken as one block.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "archive/kvr/lzrw1kh.h"
#include "archive/kvr/paczki.h"
#include "archive/kvr/przeglad_kvr.h"
#include "archive/pomoc/lzrw1kh_wzorzec.h"
#include "platform/bledy.h"

namespace {

void PorownajDekodery(const uint8_t* dane, size_t rozmiar) {
    const auto dlugosc = static_cast<uint16_t>(rozmiar > 0xFFFF ? 0xFFFF : rozmiar);
    std::vector<uint8_t> blok(dane, dane + dlugosc);  // exactly `dlugosc` bytes, so reads past it are caught
    std::vector<uint8_t> a(ramvel::kRozmiarBuforaBloku), b(ramvel::kRozmiarBuforaBloku);
    const int kodA = ramvel::Lzrw1KHDecompress(blok.data(), a.data(), dlugosc);
    const int kodB = ramvel::testy::Lzrw1KHWzorzec(blok.data(), b.data(), dlugosc);
    if (kodA != kodB || kodA > static_cast<int>(ramvel::kRozmiarKawalka))
        std::abort();
    for (int i = 0; i < kodA; ++i)
        if (a[static_cast<size_t>(i)] != b[static_cast<size_t>(i)])
            std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t rozmiar) {
    if (rozmiar < 2)
        return 0;
    const size_t rozmiarPaczki = dane[0] == 0 ? rozmiar : size_t{dane[0]} * 16;
    const size_t pominieta = dane[1];
    const std::string strumien(reinterpret_cast<const char*>(dane + 2), rozmiar - 2);

    PorownajDekodery(dane + 2, rozmiar - 2);

    // Volumes under their names, as many as the stream needs: past the 101st
    // the names repeat, and later pieces replace earlier ones as they would
    // on disk.
    ramvel::TPaczkiWPamieci paczki;
    std::string nazwa = "A.KVP";
    size_t numer = 0;
    for (size_t pozycja = 0; pozycja < strumien.size() || numer == 0; pozycja += rozmiarPaczki, ++numer) {
        if (numer != pominieta)
            paczki.Dodaj(nazwa, strumien.substr(pozycja, rozmiarPaczki));
        nazwa = ramvel::NazwaNastepnejPaczki(nazwa);
    }
    if (!paczki.Istnieje("A.KVP"))
        return 0;
    try {
        ramvel::TCzytnikArchiwum czytnik(paczki, "A.KVP");
        int64_t razem = 0;
        ramvel::PrzejdzArchiwum(czytnik, [&](const ramvel::TWpisKvr& wpis, int64_t zdekodowane) {
            if (wpis.RozmiarPliku >= 0 && zdekodowane != wpis.RozmiarPliku)
                std::abort();  // the walk must have refused this entry
            razem += zdekodowane;
        });
    } catch (const ramvel::EBlad&) {
    }
    return 0;
}
