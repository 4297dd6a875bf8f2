#include "odtworzenie/archiwa_kopii.h"

#include <filesystem>

#include "archive/pomoc/zapis_kvr.h"
#include "platform/cp1250.h"
#include "wspolne/testy.h"
#include "zip/archiwa_testowe.h"

namespace ramvel::testy {

std::string OpisKopii(const TOpisKopiiTestowej& opis) {
    const std::string tekst = "[Kopia]\r\nIloscDysk=" + std::to_string(opis.IloscDysk) +
                              "\r\nNazwaSkr=" + opis.NazwaSkr + "\r\nPodKatalog=" + opis.PodKatalog +
                              "\r\nId=" + std::to_string(opis.Id) + "\r\nCzas=" + opis.Czas +
                              "\r\nProgramName=MORVANTA_SQL\r\nWersja=2.1\r\nLicencjaNazwa=Biuro Rachunkowe"
                              "\r\nLicencjaNr=1234\r\nArchiveExt=" + opis.ArchiveExt + "\r\n";
    return Utf8NaCp1250(tekst).value();
}

std::string ZipKopii(const std::vector<TPlikArchiwum>& pliki) {
    std::vector<TWpisTestowy> wpisy;
    for (const auto& plik : pliki) {
        TWpisTestowy wpis;
        wpis.Nazwa = plik.Nazwa;
        wpis.Dane = plik.Dane;
        wpis.Metoda = 8;
        wpisy.push_back(wpis);
    }
    return ZbudujZip(wpisy);
}

std::string KvrKopii(const std::vector<TPlikArchiwum>& pliki) {
    TZapisKvr zapis;
    for (const auto& plik : pliki)
        zapis.Plik(plik.Nazwa, plik.Dane);
    return zapis.Terminator().Bajty();
}

void ZapiszKopie(const std::string& katalog, const TOpisKopiiTestowej& opis, const std::string& archiwum) {
    std::filesystem::create_directories(katalog);
    ZapiszPlik(katalog + "/" + opis.PodKatalog + "." + opis.ArchiveExt, archiwum);
    ZapiszPlik(katalog + "/" + opis.PodKatalog + ".ini", OpisKopii(opis));
}

}  // namespace ramvel::testy
