#pragma once
// Where an archive's bytes come from: a file, or memory (tests, fuzzing). The
// readers above ask for bytes at a position and are told how many they got.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace ramvel {

class IZrodloZip {
public:
    virtual ~IZrodloZip() = default;
    virtual uint64_t Rozmiar() const = 0;
    // Up to `ile` bytes at `pozycja`; the count read (0 past the end), or -1
    // when the read fails.
    virtual int64_t Czytaj(uint64_t pozycja, uint8_t* bufor, size_t ile) = 0;
};

// True only when all `ile` bytes were read.
bool CzytajDokladnie(IZrodloZip& zrodlo, uint64_t pozycja, uint8_t* bufor, size_t ile);

class TZrodloPliku : public IZrodloZip {
public:
    // nullptr when the path cannot be opened for reading or is not a regular
    // file.
    static std::unique_ptr<TZrodloPliku> Otworz(const std::string& sciezka);
    ~TZrodloPliku() override;
    TZrodloPliku(const TZrodloPliku&) = delete;
    TZrodloPliku& operator=(const TZrodloPliku&) = delete;

    uint64_t Rozmiar() const override { return FRozmiar; }
    int64_t Czytaj(uint64_t pozycja, uint8_t* bufor, size_t ile) override;

private:
    TZrodloPliku(int deskryptor, uint64_t rozmiar) : FDeskryptor(deskryptor), FRozmiar(rozmiar) {}
    int FDeskryptor;
    uint64_t FRozmiar;
};

// Does not own the bytes.
class TZrodloPamieci : public IZrodloZip {
public:
    TZrodloPamieci(const uint8_t* dane, size_t rozmiar) : FDane(dane), FRozmiar(rozmiar) {}
    uint64_t Rozmiar() const override { return FRozmiar; }
    int64_t Czytaj(uint64_t pozycja, uint8_t* bufor, size_t ile) override;

private:
    const uint8_t* FDane;
    size_t FRozmiar;
};

}  // namespace ramvel
