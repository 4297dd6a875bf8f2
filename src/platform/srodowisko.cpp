#include "platform/srodowisko.h"

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace ramvel {
namespace {

std::vector<std::string>& Parametry() {
    static std::vector<std::string> parametry;
    return parametry;
}

std::string& WybranyKatalog() {
    static std::string katalog;
    return katalog;
}

std::function<void(uint32_t)>& Sygnal() {
    static std::function<void(uint32_t)> sygnal;
    return sygnal;
}

std::string BezKoncowegoUkosnika(std::string katalog) {
    while (katalog.size() > 1 && katalog.back() == '/')
        katalog.pop_back();
    return katalog;
}

}  // namespace

void UstawParametry(int argc, char** argv) {
    std::vector<std::string> parametry;
    for (int i = 1; i < argc; ++i)
        parametry.emplace_back(argv[i]);
    UstawParametry(std::move(parametry));
}

void UstawParametry(std::vector<std::string> parametry) {
    static const std::string kKatalog = "--katalog=";
    for (const auto& p : parametry)
        if (p.rfind(kKatalog, 0) == 0 && p.size() > kKatalog.size()) {
            std::error_code blad;
            const auto bezwzgledna = std::filesystem::absolute(p.substr(kKatalog.size()), blad);
            WybranyKatalog() = BezKoncowegoUkosnika(blad ? p.substr(kKatalog.size()) : bezwzgledna.string());
        }
    Parametry() = std::move(parametry);
}

const std::vector<std::string>& ParametryProgramu() { return Parametry(); }

std::string PlikProgramu() {
    std::error_code blad;
    const auto sciezka = std::filesystem::read_symlink("/proc/self/exe", blad);
    return blad ? std::string() : sciezka.string();
}

std::string KatalogProgramu() {
    if (!WybranyKatalog().empty())
        return WybranyKatalog();
    return std::filesystem::path(PlikProgramu()).parent_path().string();
}

void UstawKatalogProgramu(std::string katalog) { WybranyKatalog() = BezKoncowegoUkosnika(std::move(katalog)); }

std::string PlikUstawien() { return KatalogProgramu() + "/ramvel.ini"; }

std::string NazwaHosta() {
    char nazwa[256] = {};
    if (gethostname(nazwa, sizeof nazwa - 1) != 0)
        return {};
    return nazwa;
}

uint32_t LicznikMs() {
    const auto teraz = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(teraz).count());
}

void SygnalDzwiekowy(uint32_t rodzaj) {
    if (Sygnal()) {
        Sygnal()(rodzaj);
        return;
    }
    if (isatty(STDERR_FILENO)) {
        std::fputc('\a', stderr);
        std::fflush(stderr);
    }
}

void UstawSygnalDzwiekowy(std::function<void(uint32_t)> sygnal) { Sygnal() = std::move(sygnal); }

std::string OpisBleduSystemu(int kod) {
    // The user reads Polish; the C library here speaks English only.
    switch (kod) {
        case EPERM: return "Operacja niedozwolona.";
        case ENOENT: return "Nie ma takiego pliku ani katalogu.";
        case EIO: return "Błąd wejścia/wyjścia.";
        case EACCES: return "Odmowa dostępu.";
        case EBUSY: return "Urządzenie lub zasób jest zajęty.";
        case EEXIST: return "Plik już istnieje.";
        case EXDEV: return "Niedozwolone dowiązanie między urządzeniami.";
        case ENOTDIR: return "To nie jest katalog.";
        case EISDIR: return "To jest katalog.";
        case EINVAL: return "Nieprawidłowy argument.";
        case EMFILE: return "Za dużo otwartych plików.";
        case ETXTBSY: return "Plik jest w użyciu.";
        case EFBIG: return "Plik jest za duży.";
        case ENOSPC: return "Brak miejsca na urządzeniu.";
        case EROFS: return "System plików jest tylko do odczytu.";
        case ENAMETOOLONG: return "Za długa nazwa pliku.";
        case ENOTEMPTY: return "Katalog nie jest pusty.";
        case EDQUOT: return "Przekroczono przydział dyskowy.";
        case ELOOP: return "Za dużo poziomów dowiązań symbolicznych.";
        default: return "Błąd systemu nr " + std::to_string(kod) + " (" + std::strerror(kod) + ").";
    }
}

std::string OpisOstatniegoBledu() { return OpisBleduSystemu(errno); }

}  // namespace ramvel
