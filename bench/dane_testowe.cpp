#include "dane_testowe.h"

#include <random>

namespace ramvel::bench {

std::string Tekst(size_t ile, uint32_t ziarno) {
    static const char* const slowa[] = {"faktura", "korekta", "kontrahent", "zaliczka", "podatek", "netto", "brutto",
                                        "Łódź", "Kraków", "magazyn", "towar", "usługa", "rabat", "termin", "płatność",
                                        "sprzedaż", "zakup", "dokument", "pozycja", "ilość"};
    std::mt19937 los(ziarno);
    std::string tekst;
    tekst.reserve(ile + 64);
    while (tekst.size() < ile) {
        tekst += slowa[los() % 20];
        const unsigned r = los() % 10;
        if (r == 0) {
            tekst.push_back(' ');
            tekst.append(std::to_string(los() % 100000));
            tekst.push_back(',');
        }
        tekst += r == 1 ? ".\r\n" : " ";
    }
    tekst.resize(ile);
    return tekst;
}

std::string StronyBazy(size_t ile, uint32_t ziarno) {
    std::mt19937 los(ziarno);
    std::string dane(ile, '\0');
    const std::string tekst = Tekst(1 << 16, ziarno + 1);
    for (size_t strona = 0; strona < ile; strona += 4096) {
        const size_t koniec = std::min(ile, strona + 4096);
        size_t p = strona;
        for (int i = 0; i < 16 && p < koniec; ++i)
            dane[p++] = static_cast<char>(los() % 4 == 0 ? los() : i);
        const size_t zajete = strona + 16 + los() % 3000;
        while (p + 40 < std::min(koniec, zajete)) {
            const uint32_t klucz = los() % 50000;
            for (int i = 0; i < 4; ++i)
                dane[p++] = static_cast<char>(klucz >> (8 * i));
            const size_t z = los() % (tekst.size() - 24);
            dane.replace(p, 24, tekst, z, 24);
            p += 24;
            for (int i = 0; i < 8; ++i)
                dane[p++] = static_cast<char>(i < 3 ? los() : 0);
        }
    }
    return dane;
}

std::string Losowe(size_t ile, uint32_t ziarno) {
    std::mt19937 los(ziarno);
    std::string dane(ile, '\0');
    for (auto& b : dane)
        b = static_cast<char>(los());
    return dane;
}

}  // namespace ramvel::bench
