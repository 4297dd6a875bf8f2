#pragma once
// The restore of Firebird backup files (.gbk) into database files, done by the
// server's service manager. The server's verbose output reaches OnLinia line by
// line; a restored database then gets its server version in PLATFORMA.
//
//   TkvRestore odtworzenie;
//   odtworzenie.NazwaKopii = odtworzenie.NazwaBazy = "FIRMA";
//   odtworzenie.KatalogKopii = odtworzenie.KatalogBazy = katalog;
//   odtworzenie.IloscPlikowKopii = 1;
//   odtworzenie.Zastap = odtworzenie.Szczegolowo = true;
//   odtworzenie.OnLinia = [](TkvRestore&, const std::string& linia) { ... };
//   odtworzenie.Wykonaj();   // raises on every failure
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ramvel {

class TkvRestore {
public:
    using TZdarzenieLinii = std::function<void(TkvRestore& nadawca, const std::string& linia)>;

    std::string NazwaBazy;           // base name of the database file, no extension
    std::string KatalogKopii;        // directory of the backup file(s)
    std::string KatalogBazy;         // directory of the database file(s); '' = DATABASE_DIR
    TZdarzenieLinii OnLinia;         // each line of the server's output
    int32_t RozmiarStrony = 8192;    // page size in bytes; 0 or less: the backup's own
    int32_t IloscPlikowKopii = 0;    // number of backup files
    int32_t IloscPlikowBazy = 1;     // number of database files
    int32_t StronyPlikuBazy = 200000;  // length of each database file, in pages
    std::string NazwaKopii;          // base name of the backup file(s), no extension
    bool Zastap = false;             // replace an existing database file
    bool ZachowajCienie = false;     // restore shadow files too
    bool UstawForcedWrites = false;  // switch the new database to synchronous writes
    bool Szczegolowo = false;        // verbose output from the server
    bool UsunBlokady = false;        // empty table BLOKADA afterwards
    bool WylaczIndeksy = false;      // restore with every index deactivated

    // Reads baza.set, runs the restore on the server and passes its output on,
    // then opens the new database once for the follow-up. Raises the client's
    // or server's error (EBladFirebird), or EBlad when a verbose restore ended
    // without the server's completion line: a damaged or truncated backup can
    // end that way with no error at all, and what it left is no database.
    void Wykonaj();
};

// The extension of the i-th of n files of a set: ".gbk", ".gbk1" … ".gbkK".
std::string SufiksPliku(int32_t i, int32_t n, const std::string& rozszerzenie);

// The restore options: replace or create, no shadows unless kept, indexes off.
int32_t SlowoOpcji(const TkvRestore& odtworzenie);

// The backup and database file names the request names, in order.
std::vector<std::string> PlikiKopii(const TkvRestore& odtworzenie);
std::vector<std::string> PlikiBazy(const TkvRestore& odtworzenie, const std::string& rozszerzenieBazy);

// The bytes of the start request for `odtworzenie` (its KatalogBazy already
// resolved) and the database file extension of baza.set.
std::string ZadanieOdtworzenia(const TkvRestore& odtworzenie, const std::string& rozszerzenieBazy);

// Follows a verbose restore's output: complete when the last line is the
// server's completion line, or that line followed by the one about the ONLINE
// and FORCED WRITES flags.
class TKoniecOdtwarzania {
public:
    void Linia(const std::string& linia);
    bool Zakonczone() const { return FZakonczone; }

private:
    bool FZakonczone = false;
};

// What the restore sequence needs: `katalog`/`nazwa`.gbk becomes
// `katalog`/`nazwa` + the database extension, replacing a file of that name,
// with the server's lines passed to `onLinia`.
void OdtworzKopieBazy(const std::string& katalog, const std::string& nazwa, TkvRestore::TZdarzenieLinii onLinia);

}  // namespace ramvel
