#include "katalog/kopie_testowe.h"

#include <filesystem>

#include "platform/cp1250.h"
#include "wspolne/testy.h"

namespace ramvel::testy {

std::string Opis(const TKlucze& klucze) {
    std::string tekst = "[Kopia]\r\n";
    for (const auto& [klucz, wartosc] : klucze)
        tekst += klucz + "=" + wartosc + "\r\n";
    return Utf8NaCp1250(tekst).value();
}

void ZapiszKopie(const std::string& katalog, const std::string& nazwa, const std::string& podKatalog,
                 const std::string& czas, const std::string& rozszerzenie) {
    std::filesystem::create_directories(katalog);
    ZapiszPlik(katalog + "/" + nazwa + "." + rozszerzenie, "PK\x05\x06");
    ZapiszPlik(katalog + "/" + nazwa + ".ini", Opis({{"IloscDysk", "1"},
                                                     {"NazwaSkr", "Opis " + podKatalog},
                                                     {"PodKatalog", podKatalog},
                                                     {"Id", "7"},
                                                     {"Czas", czas},
                                                     {"ProgramName", "MORVANTA_SQL"},
                                                     {"Wersja", "2.1"},
                                                     {"ArchiveExt", rozszerzenie}}));
}

}  // namespace ramvel::testy
