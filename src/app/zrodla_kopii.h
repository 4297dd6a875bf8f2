#pragma once
// Where the backups of each source of page 1 lie.
#include <string>
#include <vector>

namespace ramvel {

// The items of the source group, in its order.
enum class TZrodloKopii : int { Dyskietka = 0, Automatyczna = 1, InnaLokalizacja = 2 };

enum class TStanZrodla {
    Gotowe,       // Katalogi holds the directories to scan, in order
    Rezygnacja,   // the user answered Nie to the diskette question
    BrakKatalogu  // "Podaj katalog źródłowy." was shown; the path box wants the focus
};

struct TKatalogiZrodla {
    TStanZrodla Stan = TStanZrodla::Gotowe;
    std::vector<std::string> Katalogi;
};

// The twenty directories of the automatic backups: Kopia/Arch01 … Kopia/Arch20
// of the program directory.
std::vector<std::string> KatalogiKopiiAutomatycznych(const std::string& katalogProgramu);

// Diskette: asks "Włóż dyskietkę. Czy kontynuować?" for as long as drive A:
// has no medium and the answer is Tak; then the A: directory. Automatic: the
// twenty directories. Other location: the path given (a path written with a
// drive letter goes to that drive's directory), or the message when it is
// empty.
TKatalogiZrodla KatalogiZrodla(int pozycja, const std::string& katalogProgramu, const std::string& sciezkaInnaLok);

}  // namespace ramvel
