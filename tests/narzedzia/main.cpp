// ramvel-spakuj-kvr: packs files into a KVR archive for the demo installation.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "narzedzia/spakuj_kvr.h"

int main(int argc, char** argv) {
    const std::vector<std::string> argumenty(argv + 1, argv + argc);
    if (!argumenty.empty() && (argumenty[0] == "--help" || argumenty[0] == "-h")) {
        std::cout << "Użycie: ramvel-spakuj-kvr ARCHIWUM PLIK...\n"
                     "Zapisuje pliki (pod samymi nazwami, z datami zmiany) w archiwum KVR.\n"
                     "Narzędzie testowe: tworzy kopie instalacji pokazowej.\n";
        return 0;
    }
    if (argumenty.size() < 2) {
        std::cerr << "ramvel-spakuj-kvr: podaj archiwum i co najmniej jeden plik (--help)\n";
        return 2;
    }
    try {
        ramvel::testy::SpakujKvr(argumenty[0], {argumenty.begin() + 1, argumenty.end()});
    } catch (const std::exception& blad) {
        std::cerr << "ramvel-spakuj-kvr: " << blad.what() << "\n";
        return 1;
    }
    return 0;
}
