#pragma once
// The busy cursor with its process-wide nesting counter, and a blocking pause.
#include <cstdint>

namespace ramvel {

// Rodzaj 0: hourglass; 1: arrow with hourglass; other values leave the cursor.
void KursorCzekaj(bool wymus, int rodzaj);
void KursorNormalny(bool wymus);

// KursorCzekaj now, KursorNormalny on every way out of the scope.
class TKursorCzekania {
public:
    TKursorCzekania(bool wymus = false, int rodzaj = 0) { KursorCzekaj(wymus, rodzaj); }
    ~TKursorCzekania() { KursorNormalny(false); }
    TKursorCzekania(const TKursorCzekania&) = delete;
    TKursorCzekania& operator=(const TKursorCzekania&) = delete;
};

// Blocks the caller (no window messages) for the given milliseconds of the
// tick counter, or until the counter wraps.
void Odczekaj(uint32_t milisekundy);

}  // namespace ramvel
