#pragma once
// A connection to one Firebird database, built from the settings of baza.set
// at the moment of use. It never outlives the user action that opened it.
//
//   TkvDatabase baza;
//   baza.Zdalna = ...; baza.KatalogBazy = ...; baza.PlikBazy = "systemkv"; ...
//   baza.UstawPolaczenie();   // connection string and Params (reads the password)
//   baza.Connected(true);     // EBladFirebird with the client's reason on failure
//
// Every attachment logs in as SYSKVR with lc_ctype WIN1250: texts cross the
// connection as Windows-1250 and are UTF-8 on our side of this layer.
#include <ibase.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace ramvel {

class TkvTransaction;

class TkvDatabase {
public:
    TkvDatabase();
    // Rolls back the transactions still active on it and detaches; errors are
    // swallowed here (call Connected(false) to see them).
    ~TkvDatabase();
    TkvDatabase(const TkvDatabase&) = delete;
    TkvDatabase& operator=(const TkvDatabase&) = delete;

    // Settings (as read from baza.set by the caller).
    bool Zdalna = false;
    std::string KatalogBazy;
    std::string NazwaSerwera;
    std::string PlikBazy;          // with or without its extension
    uint8_t Protokol = 0;
    bool DuzyBufor = false;        // attach with a page cache of 250 buffers
    std::string RozszerzenieBazy;  // appended to a PlikBazy without a "."

    int SQLDialect = 3;
    bool LoginPrompt = false;      // the user is never asked for credentials
    std::vector<std::string> Params;  // "name=value" lines of the attach parameter block
    std::string DatabaseName;      // the connection string, set by UstawPolaczenie
    std::string Name;              // shown as "Baza danych :" in the error window
    TkvTransaction* DefaultTransaction = nullptr;

    // Builds DatabaseName and Params from the settings. Raises EBlad when the
    // database password cannot be had (HasloBazy).
    void UstawPolaczenie();

    bool Connected() const { return FUchwyt != 0; }
    // true attaches (EBladFirebird on failure), false detaches; the current
    // value does nothing.
    void Connected(bool polacz);

    // The dialect statements are prepared with: SQLDialect, lowered to the
    // database's own dialect after the attach.
    int Dialekt() const { return FDialekt; }

    // On an attached database; statement failures go to ObsluzBladBazy.
    bool TabelaIstnieje(const std::string& nazwa);
    bool ZapytanieMaWiersze(const std::string& zapytanie);

    // For the layers on top (statements, transactions, the restore service).
    isc_db_handle* Uchwyt() { return &FUchwyt; }

private:
    friend class TkvTransaction;
    void Odlacz(bool zglaszajBledy);

    isc_db_handle FUchwyt = 0;
    int FDialekt = 3;
    std::set<TkvTransaction*> FTransakcje;  // transactions whose default database this is
};

// The attach parameter block for `params` ("name=value" lines): the version
// byte, then per line the item, a length byte and the value; num_buffers as a
// one-byte number. Known names: user_name, password, lc_ctype, num_buffers.
// Raises EBladFirebird (code 0) for another name or a value too long.
std::string BlokParametrowPolaczenia(const std::vector<std::string>& params);

}  // namespace ramvel
