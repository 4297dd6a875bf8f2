#pragma once
// Volumes of a KVR archive: their names, where their bytes come from, and the
// reader that makes one logical stream of them (CzytajZArchiwum).
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace ramvel {

// An archive has at most X.KVP and X.s00 to X.s99.
inline constexpr int kMaksLiczbaPaczek = 101;

// The volume after `nazwa`: X.KVP -> X.s00, X.s09 -> X.s10, X.ABC -> X.s01.
std::string NazwaNastepnejPaczki(const std::string& nazwa);

// One open volume. Czytaj delivers fewer bytes than asked only at the
// volume's end; a failing read raises EBlad "Błąd odczytu ze strumienia.".
class IStrumienPaczki {
public:
    virtual ~IStrumienPaczki() = default;
    virtual size_t Czytaj(uint8_t* bufor, size_t ile) = 0;
};

// Where volumes come from: files on disk, or memory for the fuzzer and tests.
class IZrodloPaczek {
public:
    virtual ~IZrodloPaczek() = default;
    virtual bool Istnieje(const std::string& nazwa) = 0;
    virtual int64_t Rozmiar(const std::string& nazwa) = 0;  // -1 when unknown
    // Opens read-only; raises EBlad when it cannot.
    virtual std::unique_ptr<IStrumienPaczki> Otworz(const std::string& nazwa) = 0;
};

IZrodloPaczek& PaczkiNaDysku();

class TPaczkiWPamieci : public IZrodloPaczek {
public:
    void Dodaj(const std::string& nazwa, std::string bajty) { FPaczki[nazwa] = std::move(bajty); }
    bool Istnieje(const std::string& nazwa) override { return FPaczki.count(nazwa) != 0; }
    int64_t Rozmiar(const std::string& nazwa) override;
    std::unique_ptr<IStrumienPaczki> Otworz(const std::string& nazwa) override;

private:
    std::map<std::string, std::string> FPaczki;
};

// Sum of the sizes of `nazwa` and the volumes that follow it while their files
// exist, at most kMaksLiczbaPaczek of them.
int64_t RozmiarPaczek(IZrodloPaczek& zrodlo, const std::string& nazwa);

// The logical stream of an archive over its volumes.
class TCzytnikArchiwum {
public:
    // Opens the first volume; raises EBlad when it cannot.
    TCzytnikArchiwum(IZrodloPaczek& zrodlo, std::string nazwa);

    // Reads `ile` bytes, moving on to the next volume when the open one ends
    // and the next one's file exists. Returns how many bytes were delivered:
    // fewer only when the set ends (see BrakujacaPaczka, LimitPaczek).
    size_t CzytajZArchiwum(uint8_t* bufor, size_t ile);

    const std::string& NazwaArchiwum() const { return FNazwa; }  // the volume in use
    int NumerPaczki() const { return FNumer; }                    // 1 for the first volume
    int64_t Pozycja() const { return FPozycja; }                  // bytes delivered so far
    int64_t PozycjaWPaczce() const { return FPozycjaWPaczce; }

    // After a short read: the next volume, whose file was missing.
    const std::string& BrakujacaPaczka() const { return FBrakujaca; }
    // After a short read: the 101st volume ended and the stream wanted more.
    bool LimitPaczek() const { return FLimit; }
    // A volume file beyond the missing one (a gap in the set), or ''. Looks no
    // further than the 101st volume.
    std::string PaczkaZaLuka();

    // Called with the new volume's name after every change of volume.
    std::function<void(const std::string&)> PoZmianiePaczki;

private:
    IZrodloPaczek& FZrodlo;
    std::unique_ptr<IStrumienPaczki> FStrumien;
    std::string FNazwa;
    int FNumer = 1;
    int64_t FPozycja = 0;
    int64_t FPozycjaWPaczce = 0;
    std::string FBrakujaca;
    bool FLimit = false;
};

}  // namespace ramvel
