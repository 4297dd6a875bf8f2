#include "platform/napedy.h"

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <filesystem>

#include "platform/plik_ini.h"
#include "platform/srodowisko.h"

namespace ramvel {
namespace {

bool JestPunktemMontowania(const std::string& katalog) {
    struct stat ten{}, nadrzedny{};
    if (stat(katalog.c_str(), &ten) != 0)
        return false;
    const std::string wyzej = katalog + "/..";
    if (stat(wyzej.c_str(), &nadrzedny) != 0)
        return false;
    return ten.st_dev != nadrzedny.st_dev || ten.st_ino == nadrzedny.st_ino;
}

bool LezyPod(const std::string& sciezka, const std::string& katalog) {
    return sciezka == katalog || sciezka.rfind(katalog + "/", 0) == 0;
}

std::optional<struct statvfs> StatystykaSystemuPlikow(const std::string& sciezka) {
    std::filesystem::path p = sciezka.empty() ? std::filesystem::path(".") : std::filesystem::path(sciezka);
    std::error_code blad;
    while (!p.empty() && !std::filesystem::exists(p, blad)) {
        const auto wyzej = p.parent_path();
        if (wyzej == p)
            break;
        p = wyzej;
    }
    struct statvfs s{};
    if (p.empty() || statvfs(p.c_str(), &s) != 0)
        return std::nullopt;
    return s;
}

}  // namespace

std::optional<std::string> KatalogNapedu(char litera) {
    if (litera >= 'a' && litera <= 'z')
        litera = static_cast<char>(litera - 'a' + 'A');
    if (litera < 'A' || litera > 'Z')
        return std::nullopt;
    std::optional<std::string> zUstawien;
    try {
        zUstawien = TPlikIni(PlikUstawien()).Czytaj("NAPEDY", std::string(1, litera));
    } catch (...) {
        // An unreadable settings file leaves the defaults in force.
    }
    if (zUstawien && !zUstawien->empty()) {
        std::string katalog = *zUstawien;
        while (katalog.size() > 1 && katalog.back() == '/')
            katalog.pop_back();
        return katalog;
    }
    if (litera == 'A')
        return "/media/floppy0";
    if (litera == 'B')
        return "/media/floppy1";
    return std::nullopt;
}

bool NosnikObecny(const std::string& katalog) {
    struct stat s{};
    if (stat(katalog.c_str(), &s) != 0 || !S_ISDIR(s.st_mode) || access(katalog.c_str(), R_OK | X_OK) != 0)
        return false;
    if (LezyPod(katalog, "/media") || LezyPod(katalog, "/mnt"))
        return JestPunktemMontowania(katalog);
    return true;
}

int64_t WolneBajty(const std::string& sciezka) {
    const auto s = StatystykaSystemuPlikow(sciezka);
    if (!s)
        return -1;
    return static_cast<int64_t>(s->f_bavail) * static_cast<int64_t>(s->f_frsize);
}

int64_t RozmiarSystemuPlikow(const std::string& sciezka) {
    const auto s = StatystykaSystemuPlikow(sciezka);
    if (!s)
        return -1;
    return static_cast<int64_t>(s->f_blocks) * static_cast<int64_t>(s->f_frsize);
}

}  // namespace ramvel
