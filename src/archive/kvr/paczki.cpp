#include "archive/kvr/paczki.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "files/sciezki.h"
#include "files/teksty.h"
#include "platform/bledy.h"
#include "platform/srodowisko.h"

namespace ramvel {
namespace {

const char* const kBladOdczytu = "Błąd odczytu ze strumienia.";

// Position of the extension's dot in the file-name part, or npos.
size_t PozycjaRozszerzenia(const std::string& nazwa) {
    const size_t kropka = nazwa.find_last_of('.');
    const size_t separator = nazwa.find_last_of("/\\:");
    if (kropka == std::string::npos || (separator != std::string::npos && kropka < separator))
        return std::string::npos;
    return kropka;
}

class TPlikPaczki : public IStrumienPaczki {
public:
    explicit TPlikPaczki(int deskryptor) : FDeskryptor(deskryptor) {}
    ~TPlikPaczki() override { close(FDeskryptor); }
    TPlikPaczki(const TPlikPaczki&) = delete;
    TPlikPaczki& operator=(const TPlikPaczki&) = delete;

    size_t Czytaj(uint8_t* bufor, size_t ile) override {
        size_t wczytane = 0;
        while (wczytane < ile) {
            const ssize_t n = read(FDeskryptor, bufor + wczytane, ile - wczytane);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                throw EBlad(kBladOdczytu);
            if (n == 0)
                break;
            wczytane += static_cast<size_t>(n);
        }
        return wczytane;
    }

private:
    int FDeskryptor;
};

// A volume is found whatever the letter case of its name, as where the sets
// are made: diskettes carry FIRMA.S00 while the next volume's name is
// FIRMA.s00, and the diskette reader copies each under its own name.
class TPaczkiNaDysku : public IZrodloPaczek {
public:
    bool Istnieje(const std::string& nazwa) override { return ZnajdzPlikBezWielkosciLiter(nazwa).has_value(); }
    int64_t Rozmiar(const std::string& nazwa) override { return RozmiarPliku(Plik(nazwa)); }
    std::unique_ptr<IStrumienPaczki> Otworz(const std::string& nazwa) override {
        const int deskryptor = open(Plik(nazwa).c_str(), O_RDONLY | O_CLOEXEC);
        if (deskryptor < 0)
            throw EBlad("Nie można otworzyć pliku \"" + nazwa + "\". " + OpisOstatniegoBledu());
        return std::make_unique<TPlikPaczki>(deskryptor);
    }

private:
    static std::string Plik(const std::string& nazwa) { return ZnajdzPlikBezWielkosciLiter(nazwa).value_or(nazwa); }
};

class TPamiecPaczki : public IStrumienPaczki {
public:
    explicit TPamiecPaczki(const std::string& bajty) : FBajty(bajty) {}
    size_t Czytaj(uint8_t* bufor, size_t ile) override {
        const size_t n = std::min(ile, FBajty.size() - FPozycja);
        std::memcpy(bufor, FBajty.data() + FPozycja, n);
        FPozycja += n;
        return n;
    }

private:
    const std::string& FBajty;
    size_t FPozycja = 0;
};

}  // namespace

std::string NazwaNastepnejPaczki(const std::string& nazwa) {
    const size_t kropka = PozycjaRozszerzenia(nazwa);
    const std::string rozszerzenie = kropka == std::string::npos ? std::string() : nazwa.substr(kropka);
    const std::string podstawa = kropka == std::string::npos ? nazwa : nazwa.substr(0, kropka);
    int numer = 0;
    if (!TekstyRowne(rozszerzenie, ".KVP"))
        numer = TekstNaLiczbe(rozszerzenie.size() > 2 ? rozszerzenie.substr(2) : std::string()) + 1;
    return podstawa + ".s" + DopelnijTekst(std::to_string(numer), 2, 'P', '0');
}

int64_t TPaczkiWPamieci::Rozmiar(const std::string& nazwa) {
    const auto it = FPaczki.find(nazwa);
    return it == FPaczki.end() ? -1 : static_cast<int64_t>(it->second.size());
}

std::unique_ptr<IStrumienPaczki> TPaczkiWPamieci::Otworz(const std::string& nazwa) {
    const auto it = FPaczki.find(nazwa);
    if (it == FPaczki.end())
        throw EBlad("Nie można otworzyć pliku \"" + nazwa + "\". " + OpisBleduSystemu(ENOENT));
    return std::make_unique<TPamiecPaczki>(it->second);
}

IZrodloPaczek& PaczkiNaDysku() {
    static TPaczkiNaDysku dysk;
    return dysk;
}

int64_t RozmiarPaczek(IZrodloPaczek& zrodlo, const std::string& nazwa) {
    int64_t suma = 0;
    std::string paczka = nazwa;
    // The two-digit numbers wrap after .s99 (to .s10), so the count is what
    // ends the walk, not the names.
    for (int numer = 1; numer <= kMaksLiczbaPaczek && zrodlo.Istnieje(paczka); ++numer) {
        suma += std::max<int64_t>(0, zrodlo.Rozmiar(paczka));
        paczka = NazwaNastepnejPaczki(paczka);
    }
    return suma;
}

TCzytnikArchiwum::TCzytnikArchiwum(IZrodloPaczek& zrodlo, std::string nazwa)
    : FZrodlo(zrodlo), FStrumien(zrodlo.Otworz(nazwa)), FNazwa(std::move(nazwa)) {}

size_t TCzytnikArchiwum::CzytajZArchiwum(uint8_t* bufor, size_t ile) {
    size_t wczytane = 0;
    for (;;) {
        const size_t n = FStrumien->Czytaj(bufor + wczytane, ile - wczytane);
        wczytane += n;
        FPozycja += static_cast<int64_t>(n);
        FPozycjaWPaczce += static_cast<int64_t>(n);
        if (wczytane == ile)
            return wczytane;
        // The open volume has ended.
        if (FNumer >= kMaksLiczbaPaczek) {
            FLimit = true;
            return wczytane;
        }
        const std::string nastepna = NazwaNastepnejPaczki(FNazwa);
        if (!FZrodlo.Istnieje(nastepna)) {
            FBrakujaca = nastepna;
            return wczytane;
        }
        FStrumien = FZrodlo.Otworz(nastepna);
        FNazwa = nastepna;
        ++FNumer;
        FPozycjaWPaczce = 0;
        if (PoZmianiePaczki)
            PoZmianiePaczki(FNazwa);
    }
}

std::string TCzytnikArchiwum::PaczkaZaLuka() {
    if (FBrakujaca.empty())
        return {};
    std::string paczka = FBrakujaca;
    for (int numer = FNumer + 2; numer <= kMaksLiczbaPaczek; ++numer) {
        paczka = NazwaNastepnejPaczki(paczka);
        if (FZrodlo.Istnieje(paczka))
            return paczka;
    }
    return {};
}

}  // namespace ramvel
