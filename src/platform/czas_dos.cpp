#include "platform/czas_dos.h"

#include <ctime>

namespace ramvel {

int64_t CzasDosNaUnix(uint32_t czasDos) {
    const uint32_t data = czasDos >> 16, godzina = czasDos & 0xFFFF;
    std::tm czas{};
    czas.tm_year = static_cast<int>((data >> 9) & 0x7F) + 80;
    czas.tm_mon = static_cast<int>((data >> 5) & 0x0F) - 1;
    czas.tm_mday = static_cast<int>(data & 0x1F);
    czas.tm_hour = static_cast<int>((godzina >> 11) & 0x1F);
    czas.tm_min = static_cast<int>((godzina >> 5) & 0x3F);
    czas.tm_sec = static_cast<int>((godzina & 0x1F) * 2);
    czas.tm_isdst = -1;
    if (czas.tm_mon < 0 || czas.tm_mday == 0)
        return -1;
    const std::time_t chwila = std::mktime(&czas);
    return chwila == static_cast<std::time_t>(-1) ? -1 : static_cast<int64_t>(chwila);
}

}  // namespace ramvel
