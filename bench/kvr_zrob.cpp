// Makes the benchmark's archive: files of database pages and text totalling
// the given size, written as they are into a source directory and as a KVR
// archive cut into the given number of volumes.
//   bench_kvr_zrob ZRODLO ARCHIWUM.KVP MEGABAJTY PACZKI
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "archive/pomoc/zapis_kvr.h"
#include "dane_testowe.h"
#include "wspolne/testy.h"

int main(int argc, char** argv) {
    using namespace ramvel;
    if (argc != 5) {
        std::fprintf(stderr, "użycie: bench_kvr_zrob ZRODLO ARCHIWUM.KVP MEGABAJTY PACZKI\n");
        return 2;
    }
    const std::string zrodlo = argv[1], archiwum = argv[2];
    const size_t razem = std::strtoull(argv[3], nullptr, 10) << 20;
    const size_t paczki = std::strtoull(argv[4], nullptr, 10);
    std::filesystem::create_directories(zrodlo);
    testy::TZapisKvr zapis;
    // Eight files: six of database pages, two of text, as a company backup holds.
    for (int i = 0; i < 8; ++i) {
        const std::string nazwa = i < 6 ? "BAZA" + std::to_string(i) + ".GBK" : "OPIS" + std::to_string(i) + ".TXT";
        const std::string dane = i < 6 ? bench::StronyBazy(razem / 8, 10 + i) : bench::Tekst(razem / 8, 20 + i);
        testy::ZapiszPlik(zrodlo + "/" + nazwa, dane);
        zapis.Plik("dane\\" + nazwa, dane);
    }
    zapis.Terminator();
    const std::string& bajty = zapis.Bajty();
    const size_t rozmiar = (bajty.size() + paczki - 1) / paczki;
    const auto czesci = testy::Potnij(bajty, rozmiar);
    testy::ZapiszPaczki(archiwum, czesci);
    std::printf("%zu MB w %zu paczkach, archiwum %zu bajtów (%.1f%%)\n", razem >> 20, czesci.size(), bajty.size(),
                100.0 * static_cast<double>(bajty.size()) / static_cast<double>(razem));
    return 0;
}
