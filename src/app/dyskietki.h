#pragma once
// A backup cut into volumes, one per diskette, each diskette also carrying the
// backup's description: the volumes are gathered diskette by diskette into
// the working directory "Temp" of the program directory.
#include <string>

#include "app/rek_kat.h"

namespace ramvel {

// n = 0: ".ini"; 1: ".KVP"; n >= 2: ".S" + (n - 2) in two digits.
std::string RozszerzenieWolumenu(int numer);

// The diskette's name in the prompts, from the chosen backup.
std::string TekstDyskietki(const TRekKat& wybrana, int numer);

// Asks for diskettes 1..IloscDysk, checks each (medium, description, identity,
// volume) and copies its volume into `katalogRoboczy`, which it empties first.
// Returns false when the user gave up; the volumes copied so far stay.
bool WczytajDyskietki(const TRekKat& wybrana, TRekKat& sprawdzana, const std::string& katalogRoboczy);

}  // namespace ramvel
