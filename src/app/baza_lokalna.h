#pragma once
// The program works only with a database server on this computer.
#include "platform/plik_ini.h"

namespace ramvel {

// On baza.set, section "MAIN": "REMOTE" exactly "0", or "SERWER_NAME" equal
// (letter case ignored) to this computer's name or to "localhost". A file
// naming neither is not local.
bool BazaLokalna(const TPlikIni& bazaSet);

}  // namespace ramvel
