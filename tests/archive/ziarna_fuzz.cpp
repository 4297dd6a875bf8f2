// Writes the seed corpus of fuzz/kvr: small archives of every shape the
// reader knows, each behind the two bytes that choose its volume set.
//   kvr_ziarna <katalog>
#include <filesystem>
#include <iostream>
#include <string>

#include "archive/pomoc/zapis_kvr.h"
#include "wspolne/testy.h"

int main(int argc, char** argv) {
    using namespace ramvel::testy;
    if (argc != 2) {
        std::cerr << "użycie: kvr_ziarna KATALOG\n";
        return 2;
    }
    const std::string katalog = argv[1];
    std::filesystem::create_directories(katalog);
    TOpcjePliku zapisane;
    zapisane.Koder.Runy = zapisane.Koder.Kopie = false;
    TOpcjePliku zlyZnacznik;
    zlyZnacznik.ZnacznikKonca = 3;
    TOpcjePliku ujemny;
    ujemny.Rozmiar = -1;
    std::string tekst;
    for (int i = 0; tekst.size() < 3000; ++i)
        tekst += "Faktura nr " + std::to_string(i % 37) + "/2021, kontrahent Łódź; ";
    const std::string zera(5000, '\0');

    struct TZiarno {
        const char* Nazwa;
        std::string Strumien;
        unsigned char Paczka, Pominieta;
    };
    const TZiarno ziarna[] = {
        {"tekst", TZapisKvr().Plik("dane\\FIRMA.TXT", tekst).Terminator().Bajty(), 0, 0xFF},
        {"zera-runy", TZapisKvr().Plik("ZERA.GBK", zera).Bajty(), 0, 0xFF},
        {"dwa-pliki-paczki", TZapisKvr().Plik("A", tekst.substr(0, 700)).Plik("B\\C", "c").Terminator().Bajty(), 3, 0xFF},
        {"bez-dat", TZapisKvr("@100@").Plik("STARY.TXT", tekst.substr(0, 300)).Bajty(), 0, 0xFF},
        {"zapisane", TZapisKvr().Plik("LOSOWE.BIN", tekst.substr(0, 500), zapisane).Bajty(), 1, 0xFF},
        {"zly-znacznik", TZapisKvr().Plik("A", "abc", zlyZnacznik).Bajty(), 0, 0xFF},
        {"ujemny-rozmiar", TZapisKvr().Plik("A", "abcdef", ujemny).Terminator().Bajty(), 0, 0xFF},
        {"brak-paczki", TZapisKvr().Plik("A", tekst.substr(0, 1500), zapisane).Bajty(), 2, 1},
        {"sam-terminator", TZapisKvr().Terminator().Bajty(), 0, 0xFF},
    };
    for (const auto& z : ziarna) {
        const std::string bajty = std::string(1, static_cast<char>(z.Paczka)) +
                                  std::string(1, static_cast<char>(z.Pominieta)) + z.Strumien;
        ZapiszPlik(katalog + "/" + z.Nazwa, bajty);
    }
    return 0;
}
