#include <zlib.h>

#include "files/zip/dekompresja.h"
#include "files/zip/kody_zip.h"

namespace ramvel {
namespace {

// zlib's stream, ended on every way out.
class TStrumienInflate {
public:
    TStrumienInflate() { FGotowy = inflateInit2(&FStrumien, -MAX_WBITS) == Z_OK; }
    ~TStrumienInflate() {
        if (FGotowy)
            inflateEnd(&FStrumien);
    }
    TStrumienInflate(const TStrumienInflate&) = delete;
    TStrumienInflate& operator=(const TStrumienInflate&) = delete;
    bool Gotowy() const { return FGotowy; }
    z_stream& operator*() { return FStrumien; }

private:
    z_stream FStrumien{};
    bool FGotowy;
};

}  // namespace

// Format notes: negative window bits give raw deflate, without zlib's own
// header and checksum, as ZIP stores it. The stream marks its own end; input
// that runs out before the end means the data was cut short.
int32_t RozpakujDeflate(TWejscieZip& wejscie, TWyjscieZip& wyjscie) {
    TStrumienInflate strumien;
    if (!strumien.Gotowy())
        return KodZip::BladFormatu;
    z_stream& z = *strumien;
    for (;;) {
        const uint8_t* dane = nullptr;
        size_t dostepne = 0;
        if (const int32_t kod = wejscie.Dostepne(dane, dostepne); kod != 0)
            return kod;
        uint8_t* wolne = nullptr;
        size_t miejsce = 0;
        if (const int32_t kod = wyjscie.Miejsce(wolne, miejsce); kod != 0)
            return kod;
        z.next_in = const_cast<Bytef*>(dane);
        z.avail_in = static_cast<uInt>(dostepne);
        z.next_out = wolne;
        z.avail_out = static_cast<uInt>(miejsce);
        const int wynik = inflate(&z, Z_NO_FLUSH);
        wejscie.Pobrano(dostepne - z.avail_in);
        if (const int32_t kod = wyjscie.Dopisano(miejsce - z.avail_out); kod != 0)
            return kod;
        if (wynik == Z_STREAM_END)
            return wyjscie.Oproznij();
        if (wynik != Z_OK && wynik != Z_BUF_ERROR)
            return KodZip::BladFormatu;
    }
}

}  // namespace ramvel
