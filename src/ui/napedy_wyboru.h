#pragma once
// The drive list of the directory picker: the letters of the drive table and
// the mounted file systems, and which of them the picker starts on.
#include <functional>
#include <string>
#include <vector>

namespace ramvel {

struct TNaped {
    char Litera = 0;        // a letter of the drive table; 0 for a mounted file system
    std::string Katalog;    // its directory
    std::string Typ;        // the file-system type, when mounted
    std::string Etykieta;   // the volume label, when known

    // The text of the drive list: "a: /media/floppy0", "/home [DANE]".
    std::string Napis() const;
};

// A: and B:, then the mounted file systems (the fixed drives of this
// computer), then any further letter the settings map. A mounted file system
// that is a letter's directory is shown once, as the letter with its label.
std::vector<TNaped> NapedyDoWyboru();

// A drive the picker may start on: it holds a medium, its size can be asked,
// and it has at least 1 MB free; RAM disks and CD-ROMs do not qualify.
bool NapedGotowy(const TNaped& naped);

// The first drive after the diskettes that passes `gotowy`; -1 when none does.
int NapedPoczatkowy(const std::vector<TNaped>& napedy,
                    const std::function<bool(const TNaped&)>& gotowy = NapedGotowy);

// The drive whose directory holds `sciezka` most closely; -1 when none does.
int NapedSciezki(const std::vector<TNaped>& napedy, const std::string& sciezka);

}  // namespace ramvel
