#pragma once
// Whether the system database can be attached at all, tried once with the
// settings of baza.set; a local server that is not running may be started
// first, when the user agrees.
#include <cstdint>
#include <string>

namespace ramvel {

inline constexpr const char* kBazaSystemowa = "systemkv";

class TTestDatabaseConnect {
public:
    bool Zdalna = false;
    std::string NazwaSerwera;
    std::string KatalogBazy;
    uint8_t Protokol = 0;
    std::string PlikBazy;
    std::string OstatniBlad;      // the reason of the last failed attach; '' after a success
    std::string RozszerzenieBazy;

    // The settings from baza.set, and the system database as the file to try.
    // A reading failure ends the caller's operation (EPrzerwanie after the
    // message of the settings reader).
    void CzytajUstawienia();

    // One attach. True on success; on failure the reason goes to OstatniBlad
    // and, with `pokazBlad`, to the user. No exception of the attach reaches
    // the caller.
    bool Testuj(bool pokazBlad);
};

}  // namespace ramvel
