#pragma once
// DOS date and time (date in the high 16 bits, time in the low 16, two-second
// steps), as archives store them, read as local time.
#include <cstdint>

namespace ramvel {

// Seconds since the epoch, or -1 for a date that does not exist (month 0,
// day 0) or that the C library cannot place.
int64_t CzasDosNaUnix(uint32_t czasDos);

}  // namespace ramvel
