#pragma once
// The directory picker: the user picks an existing directory from a drive
// list and a directory tree.
#include <string>

namespace ramvel {

class IWyborKatalogu {
public:
    virtual ~IWyborKatalogu() = default;
    // The directory chosen with OK, or `katalogPoczatkowy` unchanged when the
    // picker was cancelled in any way. With `sprawdzaj` off the user cannot
    // type a name, only pick one.
    virtual std::string Wybierz(const std::string& katalogPoczatkowy, bool sprawdzaj, const std::string& opis,
                                const std::string& tytul) = 0;
};

// The front end in use; the terminal one until another is installed.
IWyborKatalogu& WyborKatalogu();
// Installs `wybor` (not owned; nullptr goes back to the terminal) and returns
// the one it replaced.
IWyborKatalogu* UstawWyborKatalogu(IWyborKatalogu* wybor);

std::string WybierzKatalog(const std::string& katalogPoczatkowy, bool sprawdzaj, const std::string& opis,
                           const std::string& tytul);

}  // namespace ramvel
