#pragma once
// The archive engine's two windows: the progress window of a run (fwinPak)
// and the error list shown at its end (fwinPakError). The engine decides what
// they show; the front end in use (Qt, terminal, test script) shows it.
#include <memory>
#include <string>
#include <vector>

namespace ramvel {

// One progress window, shown non-modally from its creation until it is
// destroyed. Each call sets one control; the engine calls only on a change.
class IOknoPostepuPaka {
public:
    virtual ~IOknoPostepuPaka() = default;
    virtual void UstawTytul(const std::string& tytul) = 0;
    virtual void UstawNazwePliku(const std::string& nazwa) = 0;          // L_fileName
    virtual void UstawPasekPliku(int pozycja, int maksimum) = 0;         // PB_file
    virtual void UstawPasekCalosci(int pozycja, int maksimum) = 0;       // PB_all
    virtual void UstawProcent(const std::string& tekst) = 0;             // L_proc
    virtual void UstawCzasOdPoczatku(const std::string& tekst) = 0;      // L_elapsed
    virtual void UstawCzasDoKonca(const std::string& tekst) = 0;         // L_estimated
    virtual void UstawCzasCalkowity(const std::string& tekst) = 0;       // L_all
    // Anulowano: true once the user pressed Anuluj. The engine asks after each
    // written block; a window system may deliver pending input here.
    virtual bool Anulowano() = 0;
};

class IOknaPaka {
public:
    virtual ~IOknaPaka() = default;
    virtual std::unique_ptr<IOknoPostepuPaka> OtworzPostep() = 0;
    // "Błędy - Komunikaty": every line, modal until closed with Zamknij.
    virtual void PokazListeBledow(const std::vector<std::string>& linie) = 0;
};

// The front end in use; the terminal's until another is installed.
IOknaPaka& OknaPaka();
// Installs `okna` (not owned; nullptr goes back to the terminal) and returns
// the one it replaced.
IOknaPaka* UstawOknaPaka(IOknaPaka* okna);

}  // namespace ramvel
