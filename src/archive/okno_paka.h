#pragma once
// What the engine shows in its progress window (TfwinPak): bars in units of
// 1,024 bytes that never leave their range, the percentage, and the elapsed,
// estimated and total times. The window itself is the front end's.
#include <cstdint>
#include <memory>
#include <string>

#include "ui/okna_paka.h"

namespace ramvel {

// "hh:nn:ss" of a span in milliseconds; hours beyond 24 are counted on.
std::string FormatCzasu(int64_t milisekundy);

class TOknoPaka {
public:
    explicit TOknoPaka(std::unique_ptr<IOknoPostepuPaka> okno);

    // "Odtwarzanie z archiwum: " and the volume's file name.
    void UstawTytul(const std::string& nazwaArchiwum);
    void UstawMaksimumCalosci(int64_t rozmiarPaczek);
    void PoczatekPliku(int32_t rozmiarPliku, const std::string& sciezka, bool pomin);
    // The bars after a block; the percentage follows with PokazProcent.
    void PoBloku(size_t zdekodowane, size_t zapisane);
    void PokazProcent();
    // After every written block; `szacowanyCzas` is the engine's last accepted
    // estimate of the total time (0 before the first).
    void Czasy(int64_t uplynelo, double& szacowanyCzas);
    void KoniecPliku();
    void StanKoncowy();
    bool Anulowano();

    int PozycjaCalosci() const { return FPozycjaCalosci; }
    int MaksimumCalosci() const { return FMaksimumCalosci; }

private:
    void Ustaw(std::string& pole, const std::string& tekst, void (IOknoPostepuPaka::*ustaw)(const std::string&));

    std::unique_ptr<IOknoPostepuPaka> FOkno;
    int FPozycjaPliku = 0, FMaksimumPliku = 100;
    int FPozycjaCalosci = 0, FMaksimumCalosci = 100;
    std::string FProcent = "00 %";
    std::string FCzasOd = "00:00:00", FCzasDo = "00:00:00", FCzasCalkowity = "00:00:00";
    std::string FNazwaPliku = "---";
};

}  // namespace ramvel
