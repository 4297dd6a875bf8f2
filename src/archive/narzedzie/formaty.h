#pragma once
// The archive kinds ramvel-archiwum knows. Each kind recognises its archives
// by their content and carries out the three commands; main() only parses the
// command line and hands the archive to the first kind that recognises it.
#include <iosfwd>
#include <string>
#include <vector>

namespace ramvel::narzedzie {

enum TKodWyjscia : int { kSukces = 0, kPorazka = 1, kZleUzycie = 2 };

struct TRozpakowanie {
    std::string Archiwum;
    std::string Katalog;
    std::string Opcje;   // the engine's options string, "+o+y" when not given
    std::string Maski;   // '' for every file
};

struct TRodzajArchiwum {
    const char* Nazwa;
    // The archive's name as the kind completes it (KVR appends ".KVP" to a
    // name without extension).
    std::string (*PelnaNazwa)(const std::string& archiwum);
    bool (*Rozpoznaj)(const std::string& archiwum);
    // Messages, questions and progress on the terminal; the result is the exit status.
    int (*Rozpakuj)(const TRozpakowanie& polecenie);
    // Reads everything, writes nothing; says on `wyjscie` whether it is whole.
    int (*Testuj)(const std::string& archiwum, std::ostream& wyjscie);
    // One line per entry: size, stored date and time, name.
    int (*Lista)(const std::string& archiwum, std::ostream& wyjscie);
};

// In the order they are tried.
const std::vector<TRodzajArchiwum>& RodzajeArchiwow();

TRodzajArchiwum RodzajKvr();
TRodzajArchiwum RodzajZip();

// True once the user interrupted (Ctrl+C): what stands for Anuluj.
bool Przerwano();

}  // namespace ramvel::narzedzie
