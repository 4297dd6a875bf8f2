#pragma once
// The one place a failed statement, transaction or cursor of the connection
// layer is reported: the database error window (or a plain error message for
// a failure that is no database error), then EPrzerwanie, so the user's
// operation ends without a second message.
#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace ramvel {

class EBladFirebird;
class TkvDatabase;

// `baza`: the connection the failing object used (may be null); `nazwaObiektu`:
// "TkvSQL", "TkvTransaction" or '' (TkvQuery); `tekstSQL`: the statement ('' for
// a transaction). Returns only when `blad` is null; otherwise raises EPrzerwanie.
void ObsluzBladBazy(TkvDatabase* baza, const std::string& nazwaObiektu, const std::exception* blad,
                    const std::string& tekstSQL);

// Fills the error window with the translated text and the details and shows it.
void PokazBladBazy(const EBladFirebird& blad, const std::string& nazwaBazy, const std::string& nazwaObiektu,
                   const std::string& tekstSQL, TkvDatabase* baza);

// The details lines of the window: the codes, the database and object, the
// server's text line by line, and the SQL text after "Skrypt:".
std::vector<std::string> SzczegolyBleduBazy(const EBladFirebird& blad, const std::string& nazwaBazy,
                                            const std::string& nazwaObiektu, const std::string& tekstSQL);

// The error code after whose window the program ends at once: 335544721, the
// connection to the server was lost (its text announces the exit).
inline constexpr int32_t kKodBleduKonczacegoProgram = 335544721;
// What ends the program; std::exit(1) unless a test replaces it. Returns the
// previous one.
std::function<void(int)> UstawZakonczenieProgramu(std::function<void(int)> zakoncz);
// True once a fatal error was shown: later errors are then ignored.
bool ProgramKonczySie();
void ResetujKoniecProgramu();  // for tests

}  // namespace ramvel
