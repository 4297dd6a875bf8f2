#pragma once
// A transaction on one database: read committed, latest record versions, no
// waiting on a lock conflict. Nested users count with Rozpocznij/Zatwierdz:
// only the outermost Zatwierdz ends it, the inner ones commit retaining.
#include <ibase.h>

#include <cstdint>
#include <string>
#include <vector>

namespace ramvel {

class TkvDatabase;

class TkvTransaction {
public:
    explicit TkvTransaction(TkvDatabase* baza = nullptr);
    // Rolls back when still active; errors are swallowed.
    ~TkvTransaction();
    TkvTransaction(const TkvTransaction&) = delete;
    TkvTransaction& operator=(const TkvTransaction&) = delete;

    TkvDatabase* DefaultDatabase() const { return FBaza; }
    void DefaultDatabase(TkvDatabase* baza);

    // Transaction parameter names, used unchanged (read_committed, rec_version,
    // nowait, wait, concurrency, consistency, read, write, no_rec_version).
    std::vector<std::string> TRParams{"read_committed", "rec_version", "nowait"};

    bool Active() const { return FUchwyt != 0; }
    int32_t Zaglebienie() const { return FZaglebienie; }

    // Starts an inactive transaction (depth 1) or counts one level deeper.
    // A failure goes to ObsluzBladBazy (which ends with EPrzerwanie).
    bool Rozpocznij();
    // Starts an inactive transaction without counting; EBladFirebird on failure.
    void StartTransaction();
    // One level up: commit retaining while still nested, commit at the end.
    // True without a call when the transaction was never started.
    bool Zatwierdz();
    // As Zatwierdz with rollback retaining and rollback.
    bool Wycofaj();

    isc_tr_handle* Uchwyt() { return &FUchwyt; }

private:
    friend class TkvDatabase;
    bool Zakoncz(bool zatwierdz);
    void Start();

    TkvDatabase* FBaza = nullptr;
    isc_tr_handle FUchwyt = 0;
    int32_t FZaglebienie = 0;
};

// The transaction parameter block for `nazwy`: isc_tpb_version3, then one
// item per name. Raises EBladFirebird (code 0) for an unknown name.
std::string BlokParametrowTransakcji(const std::vector<std::string>& nazwy);

}  // namespace ramvel
