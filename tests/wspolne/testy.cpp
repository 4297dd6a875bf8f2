#include "wspolne/testy.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace ramvel::testy {

TKatalogTymczasowy::TKatalogTymczasowy() {
    std::string wzor = "/tmp/ramvel-test-XXXXXX";
    if (!mkdtemp(wzor.data()))
        throw std::runtime_error("mkdtemp");
    chmod(wzor.c_str(), 0755);
    FSciezka = wzor;
}

TKatalogTymczasowy::~TKatalogTymczasowy() {
    // Tests leave read-only files and directories behind; give rights back first.
    std::error_code blad;
    for (auto it = std::filesystem::recursive_directory_iterator(FSciezka, blad);
         !blad && it != std::filesystem::recursive_directory_iterator(); it.increment(blad))
        if (!it->is_symlink())
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, blad);
    std::filesystem::remove_all(FSciezka, blad);
}

void ZapiszPlik(const std::string& sciezka, const std::string& bajty) {
    std::ofstream plik(sciezka, std::ios::binary | std::ios::trunc);
    plik.write(bajty.data(), static_cast<std::streamsize>(bajty.size()));
    if (!plik)
        throw std::runtime_error("nie można zapisać " + sciezka);
}

std::string CzytajPlik(const std::string& sciezka) {
    std::ifstream plik(sciezka, std::ios::binary);
    if (!plik)
        throw std::runtime_error("nie można odczytać " + sciezka);
    return std::string((std::istreambuf_iterator<char>(plik)), std::istreambuf_iterator<char>());
}

std::string KatalogFixtures(const std::string& podkatalog) {
    const std::string katalog = std::string(RAMVEL_SHARED) + "/fixtures/" + podkatalog;
    std::error_code blad;
    return std::filesystem::is_directory(katalog, blad) ? katalog : std::string();
}

bool WCI() {
    const char* ci = std::getenv("CI");
    return ci && std::string(ci) == "true";
}

}  // namespace ramvel::testy
