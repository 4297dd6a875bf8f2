#pragma once
// What the program knows of the process it runs in: its parameters, its
// program directory, the host, a millisecond tick, the beep, system error texts.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ramvel {

// Kept for WartoscParametru and NazwaKomputera; "--katalog=DIR" also names the
// program directory (installations where the binary lies elsewhere, the demo,
// the tests).
void UstawParametry(int argc, char** argv);
void UstawParametry(std::vector<std::string> parametry);
const std::vector<std::string>& ParametryProgramu();

// The running executable (/proc/self/exe).
std::string PlikProgramu();
// "--katalog=" when given, else the executable's directory; no trailing '/'.
std::string KatalogProgramu();
void UstawKatalogProgramu(std::string katalog);
// The program's settings file: "ramvel.ini" in the program directory.
std::string PlikUstawien();

// gethostname; '' when it fails.
std::string NazwaHosta();

// Milliseconds, wrapping at 2^32 like the system tick it stands for.
uint32_t LicznikMs();

// The beep of a message kind (0 question, 1 error, 3 information, 0xFFFFFFFF a
// plain beep). The Qt program routes it to the desktop; elsewhere it rings the
// terminal's bell.
void SygnalDzwiekowy(uint32_t rodzaj);
void UstawSygnalDzwiekowy(std::function<void(uint32_t)> sygnal);

// strerror's text for an errno value.
std::string OpisBleduSystemu(int kod);
std::string OpisOstatniegoBledu();

}  // namespace ramvel
