#include "files/napedy.h"

#include <algorithm>
#include <limits>

#include "platform/bledy.h"
#include "platform/napedy.h"
#include "platform/srodowisko.h"

namespace ramvel {
namespace {

bool LezyPod(const std::string& sciezka, const std::string& katalog) {
    if (katalog.empty())
        return false;
    if (katalog == "/")
        return !sciezka.empty() && sciezka.front() == '/';
    return sciezka == katalog || sciezka.rfind(katalog + "/", 0) == 0;
}

char WielkaLiteraNapedu(char litera) {
    return (litera >= 'a' && litera <= 'z') ? static_cast<char>(litera - 'a' + 'A') : litera;
}

int32_t Obetnij(int64_t wartosc) {
    return static_cast<int32_t>(std::min<int64_t>(wartosc, std::numeric_limits<int32_t>::max()));
}

}  // namespace

bool SprawdzNaped(char litera) {
    litera = WielkaLiteraNapedu(litera);
    if (litera < 'A' || litera > 'Z')
        throw EBlad("Błędny identyfikator napędu.");
    const auto katalog = KatalogNapedu(litera);
    return katalog && NosnikObecny(*katalog);
}

char LiteraDyskietki(const std::string& sciezka) {
    if (sciezka.size() >= 2 && sciezka[1] == ':') {
        const char litera = WielkaLiteraNapedu(sciezka[0]);
        if (litera == 'A' || litera == 'B')
            return litera;
    }
    for (const char litera : {'A', 'B'}) {
        const auto katalog = KatalogNapedu(litera);
        if (katalog && LezyPod(sciezka, *katalog))
            return litera;
    }
    return 0;
}

bool JestDyskietka(const std::string& sciezka) { return LiteraDyskietki(sciezka) != 0; }

std::string SciezkaNaNapedzie(const std::string& sciezka) {
    if (sciezka.size() < 2 || sciezka[1] != ':')
        return sciezka;
    const auto katalog = KatalogNapedu(sciezka[0]);
    if (!katalog)
        return sciezka;
    std::string reszta = sciezka.substr(2);
    std::replace(reszta.begin(), reszta.end(), '\\', '/');
    while (!reszta.empty() && reszta.front() == '/')
        reszta.erase(0, 1);
    return reszta.empty() ? *katalog : *katalog + "/" + reszta;
}

int32_t WolneNaDyskietce(char litera) {
    const auto katalog = KatalogNapedu(litera);
    if (!katalog || !NosnikObecny(*katalog))
        return -1;
    const int64_t wolne = WolneBajty(*katalog);
    return wolne < 0 ? -1 : Obetnij(wolne);
}

int32_t WolneKB(const std::string& sciezka) {
    const int64_t wolne = WolneBajty(SciezkaNaNapedzie(sciezka));
    return wolne < 0 ? -1 : Obetnij(wolne / 1024);
}

std::string WartoscParametru(const std::string& przelacznik) {
    const std::string przedrostek = przelacznik + ":";
    for (const auto& parametr : ParametryProgramu())
        if (parametr.rfind(przedrostek, 0) == 0)
            return parametr.substr(przedrostek.size());
    return {};
}

std::string NazwaKomputera() {
    const std::string zParametru = WartoscParametru("/S");
    return zParametru.empty() ? NazwaHosta() : zParametru;
}

}  // namespace ramvel
