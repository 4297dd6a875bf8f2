// The benchmark's driver: extracts or tests an archive through the same
// functions as the command-line tool, and makes the benchmark's input files.
//   bench_zip rozpakuj ARCHIWUM KATALOG
//   bench_zip test ARCHIWUM
//   bench_zip petla N ARCHIWUM...   (seconds to test them all N times)
//   bench_zip generuj KATALOG MEGABAJTY
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "files/zip/narzedzie_zip.h"

namespace {

struct TLosowe {
    uint64_t Stan;
    uint32_t operator()() {
        Stan = Stan * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<uint32_t>(Stan >> 33);
    }
};

const char* const Slowa[] = {"faktura", "kontrahent", "netto", "brutto", "VAT", "magazyn", "Kraków",
                             "zapłata", "przelew", "konto", "dokument", "korekta", "pozycja", "ilość",
                             "cena", "rabat", "termin", "Łódź", "Gdańsk", "oddział", "kasa", "raport"};

std::string Tekst(TLosowe& los, size_t rozmiar) {
    std::string wynik;
    wynik.reserve(rozmiar + 64);
    while (wynik.size() < rozmiar) {
        const unsigned slow = 4 + los() % 9;
        for (unsigned i = 0; i < slow; ++i) {
            wynik += Slowa[los() % (sizeof Slowa / sizeof *Slowa)];
            wynik += los() % 4 ? " " : " " + std::to_string(los() % 100000) + ",00 ";
        }
        wynik += "\r\n";
    }
    wynik.resize(rozmiar);
    return wynik;
}

// Pages of fixed-size records as a database file holds them: sequential keys,
// random amounts, padded names, and unused space at each page's end.
std::string Baza(TLosowe& los, size_t rozmiar) {
    std::string wynik(rozmiar, '\0');
    uint32_t klucz = 1;
    for (size_t strona = 0; strona + 4096 <= rozmiar; strona += 4096) {
        char* p = &wynik[strona];
        const std::string naglowek = "PG" + std::to_string(strona / 4096);
        std::memcpy(p, naglowek.data(), std::min<size_t>(naglowek.size(), 16));
        const unsigned rekordow = 20 + los() % 30;
        for (unsigned r = 0; r < rekordow; ++r) {
            char* rekord = p + 16 + r * 80;
            std::memcpy(rekord, &klucz, 4);
            ++klucz;
            const uint32_t kwota = los();
            std::memcpy(rekord + 4, &kwota, 4);
            std::snprintf(rekord + 8, 40, "%-38s", Slowa[los() % (sizeof Slowa / sizeof *Slowa)]);
            std::snprintf(rekord + 48, 32, "2024-%02u-%02u %08x", 1 + los() % 12, 1 + los() % 28, los());
        }
    }
    return wynik;
}

std::string Losowe(TLosowe& los, size_t rozmiar) {
    std::string wynik(rozmiar, '\0');
    for (auto& c : wynik)
        c = static_cast<char>(los() >> 24);
    return wynik;
}

int Generuj(const std::string& katalog, size_t megabajty) {
    TLosowe los{42};
    const size_t razem = megabajty << 20;
    size_t zrobione = 0;
    for (int i = 0; zrobione < razem; ++i) {
        std::string nazwa, dane;
        switch (i % 10) {
            case 0: case 1: case 2: case 3: case 4:
                nazwa = "teksty/" + std::to_string(i / 50) + "/dok" + std::to_string(i) + ".txt";
                dane = Tekst(los, (256 << 10) + los() % (1536 << 10));
                break;
            case 5: case 6: case 7: case 8:
                nazwa = "baza/firma" + std::to_string(i) + ".fdb";
                dane = Baza(los, (size_t{4} << 20) + (los() % 2048) * 4096);
                break;
            default:
                nazwa = "zalaczniki/skan" + std::to_string(i) + ".jpg";
                dane = Losowe(los, (512 << 10) + los() % (1024 << 10));
        }
        const std::filesystem::path sciezka = std::filesystem::path(katalog) / nazwa;
        std::filesystem::create_directories(sciezka.parent_path());
        std::ofstream(sciezka, std::ios::binary).write(dane.data(), static_cast<std::streamsize>(dane.size()));
        zrobione += dane.size();
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> a(argv + 1, argv + argc);
    if (a.size() == 3 && a[0] == "rozpakuj")
        return ramvel::ZipRozpakuj(a[1], a[2], std::cout, false);
    if (a.size() == 2 && a[0] == "test")
        return ramvel::ZipTestuj(a[1], std::cout);
    if (a.size() >= 3 && a[0] == "petla") {
        // Decoding alone: each archive tested N times in this one process.
        std::ostringstream nic;
        const auto start = std::chrono::steady_clock::now();
        int wynik = 0;
        for (unsigned long i = 0; i < std::stoul(a[1]); ++i)
            for (size_t j = 2; j < a.size(); ++j)
                wynik |= ramvel::ZipTestuj(a[j], nic);
        std::cout << std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() << "\n";
        return wynik;
    }
    if (a.size() == 3 && a[0] == "generuj")
        return Generuj(a[1], std::stoul(a[2]));
    std::cerr << "użycie: bench_zip rozpakuj ARCHIWUM KATALOG | test ARCHIWUM | petla N ARCHIWUM... | "
                 "generuj KATALOG MB\n";
    return 2;
}
