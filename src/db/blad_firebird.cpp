#include "db/blad_firebird.h"

#include <cstring>
#include <vector>

#include "platform/cp1250.h"

namespace ramvel {
namespace {

// The buffer sizes the error texts were always read with.
constexpr size_t kBuforKoduSQL = 1024;
constexpr size_t kBuforKomunikatu = 20480;

void DopiszLinie(std::string& wynik, std::string linia) {
    if (!linia.empty() && linia[0] >= 'a' && linia[0] <= 'z')
        linia[0] = static_cast<char>(linia[0] - 'a' + 'A');
    wynik += linia;
    if (linia.empty() || linia.back() != '.')
        wynik += '.';
    wynik += "\r\n";
}

// The error codes of a vector, each as its decimal text between blanks.
std::string KodyWektora(const ISC_STATUS* status) {
    std::string kody = " ";
    for (const ISC_STATUS* p = status; *p != isc_arg_end;) {
        const ISC_STATUS rodzaj = *p++;
        if (rodzaj == isc_arg_cstring) {
            p += 2;
            continue;
        }
        if (rodzaj == isc_arg_gds)
            kody += std::to_string(static_cast<int32_t>(*p)) + " ";
        ++p;
    }
    return kody;
}

}  // namespace

std::string TekstBleduFirebird(const ISC_STATUS* status) {
    std::string wynik;
    std::vector<char> bufor(kBuforKoduSQL, '\0');
    isc_sql_interprete(static_cast<short>(isc_sqlcode(status)), bufor.data(), static_cast<short>(bufor.size()));
    std::string kodSQL(bufor.data(), strnlen(bufor.data(), bufor.size()));
    for (size_t p; (p = kodSQL.find("\\n")) != std::string::npos;)
        kodSQL.erase(p, 2);
    if (!kodSQL.empty())
        DopiszLinie(wynik, Cp1250NaUtf8(kodSQL));

    // fb_interpret is isc_interprete with the buffer's size passed in.
    bufor.assign(kBuforKomunikatu, '\0');
    const ISC_STATUS* wektor = status;
    while (fb_interpret(bufor.data(), static_cast<unsigned>(bufor.size()), &wektor) > 0) {
        std::string komunikat(bufor.data(), strnlen(bufor.data(), bufor.size()));
        if (!komunikat.empty())
            DopiszLinie(wynik, Cp1250NaUtf8(komunikat));
    }
    return wynik;
}

EBladFirebird::EBladFirebird(const ISC_STATUS* status)
    : EBlad(TekstBleduFirebird(status)),
      KodSQL(static_cast<int32_t>(isc_sqlcode(status))),
      KodBledu(static_cast<int32_t>(status[1])),
      FKody(KodyWektora(status)) {}

EBladFirebird::EBladFirebird(const std::string& tresc, int32_t kodSQL, int32_t kodBledu)
    : EBlad(tresc), KodSQL(kodSQL), KodBledu(kodBledu), FKody(" " + std::to_string(kodBledu) + " ") {}

bool EBladFirebird::ZawieraKod(int32_t kod) const {
    return FKody.find(" " + std::to_string(kod) + " ") != std::string::npos;
}

void SprawdzStatus(const ISC_STATUS* status) {
    if (status[0] == 1 && status[1] != 0)
        throw EBladFirebird(status);
}

}  // namespace ramvel
