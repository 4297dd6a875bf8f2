#pragma once
// Section/key files (baza.set, the settings file, backup descriptions) read and
// written the way Windows' private-profile functions do: names match without
// regard to letter case (Polish letters included), the first occurrence wins,
// blanks around names and values and one pair of quotes around a value are
// dropped, and a write touches only the one line it must, keeping every other
// byte, comment and CRLF as it stood. The file is Windows-1250; the interface
// speaks UTF-8.
#include <optional>
#include <string>
#include <vector>

namespace ramvel {

class TPlikIni {
public:
    explicit TPlikIni(std::string sciezka) : FSciezka(std::move(sciezka)) {}

    const std::string& Sciezka() const { return FSciezka; }

    // nullopt when the file, the section or the key is missing.
    // Raises EBlad when the file exists but cannot be read.
    std::optional<std::string> Czytaj(const std::string& sekcja, const std::string& klucz) const;
    std::string CzytajTekst(const std::string& sekcja, const std::string& klucz,
                            const std::string& domyslny = "") const;

    // Keys of a section in file order (first occurrence of each).
    std::vector<std::string> Klucze(const std::string& sekcja) const;

    // Raises EBlad when the file cannot be written or the value has a
    // character Windows-1250 cannot store.
    void Zapisz(const std::string& sekcja, const std::string& klucz, const std::string& wartosc);

private:
    std::string FSciezka;
};

// The parsing rules alone, on the file's bytes (Windows-1250), for callers that
// hold the bytes already and for the tests.
std::optional<std::string> WartoscIni(const std::string& bajty, const std::string& sekcja,
                                      const std::string& klucz);
std::string ZmienWartoscIni(const std::string& bajty, const std::string& sekcja,
                            const std::string& klucz, const std::string& wartoscCp1250);

}  // namespace ramvel
