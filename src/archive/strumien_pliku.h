#pragma once
// The file an entry is written to (StrumienPliku), and ZapiszDoStrumienia.
#include <cstddef>
#include <cstdint>
#include <string>

namespace ramvel {

class TStrumienPliku {
public:
    // Creates the file or truncates an existing one; never follows a symbolic
    // link at its place. Raises EBlad "Nie można utworzyć pliku ..." otherwise.
    explicit TStrumienPliku(const std::string& sciezka);
    ~TStrumienPliku();
    TStrumienPliku(const TStrumienPliku&) = delete;
    TStrumienPliku& operator=(const TStrumienPliku&) = delete;

    int Deskryptor() const { return FDeskryptor; }
    // The file's size as the file system sees it; -1 when unknown.
    int64_t Rozmiar() const;

private:
    int FDeskryptor;
};

// Writes every byte or raises EBlad "Błąd zapisu do strumienia.".
void ZapiszDoStrumienia(TStrumienPliku& strumien, const uint8_t* bufor, size_t ile);

}  // namespace ramvel
