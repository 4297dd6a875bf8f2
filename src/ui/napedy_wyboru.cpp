#include "ui/napedy_wyboru.h"

#include <algorithm>

#include "platform/napedy.h"
#include "platform/systemy_plikow.h"

namespace ramvel {
namespace {

bool LezyPod(const std::string& sciezka, const std::string& katalog) {
    if (katalog == "/")
        return !sciezka.empty() && sciezka.front() == '/';
    return sciezka == katalog || sciezka.rfind(katalog + "/", 0) == 0;
}

}  // namespace

std::string TNaped::Napis() const {
    std::string napis;
    if (Litera)
        napis = std::string(1, static_cast<char>(Litera - 'A' + 'a')) + ": ";
    napis += Katalog;
    if (!Etykieta.empty())
        napis += " [" + Etykieta + "]";
    return napis;
}

std::vector<TNaped> NapedyDoWyboru() {
    std::vector<TNaped> litery;
    for (char litera = 'A'; litera <= 'Z'; ++litera)
        if (const auto katalog = KatalogNapedu(litera))
            litery.push_back({litera, *katalog, {}, {}});
    std::vector<TNaped> napedy;
    for (const TNaped& l : litery)
        if (l.Litera <= 'B')
            napedy.push_back(l);
    for (const TSystemPlikow& system : SystemyPlikowDoWyboru()) {
        auto litera = std::find_if(litery.begin(), litery.end(),
                                   [&](const TNaped& l) { return l.Katalog == system.Katalog; });
        if (litera != litery.end()) {
            litera->Typ = system.Typ;
            litera->Etykieta = system.Etykieta;
            auto pokazana = std::find_if(napedy.begin(), napedy.end(),
                                         [&](const TNaped& n) { return n.Litera == litera->Litera; });
            if (pokazana != napedy.end())
                *pokazana = *litera;
            continue;
        }
        napedy.push_back({0, system.Katalog, system.Typ, system.Etykieta});
    }
    for (const TNaped& l : litery)
        if (l.Litera > 'B')
            napedy.push_back(l);
    return napedy;
}

bool NapedGotowy(const TNaped& naped) {
    static const char* const Nieprzydatne[] = {"tmpfs", "ramfs", "iso9660", "udf"};
    for (const char* typ : Nieprzydatne)
        if (naped.Typ == typ)
            return false;
    if (!NosnikObecny(naped.Katalog) || RozmiarSystemuPlikow(naped.Katalog) == -1)
        return false;
    const int64_t wolne = WolneBajty(naped.Katalog);
    return wolne >= 0 && wolne / 1048576 >= 1;
}

int NapedPoczatkowy(const std::vector<TNaped>& napedy, const std::function<bool(const TNaped&)>& gotowy) {
    for (size_t i = 0; i < napedy.size(); ++i) {
        if (napedy[i].Litera == 'A' || napedy[i].Litera == 'B')
            continue;
        if (gotowy(napedy[i]))
            return static_cast<int>(i);
    }
    return -1;
}

int NapedSciezki(const std::vector<TNaped>& napedy, const std::string& sciezka) {
    int najlepszy = -1;
    size_t dlugosc = 0;
    for (size_t i = 0; i < napedy.size(); ++i)
        if (LezyPod(sciezka, napedy[i].Katalog) && (najlepszy < 0 || napedy[i].Katalog.size() > dlugosc)) {
            najlepszy = static_cast<int>(i);
            dlugosc = napedy[i].Katalog.size();
        }
    return najlepszy;
}

}  // namespace ramvel
