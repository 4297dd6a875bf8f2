#include "db/kv_transaction.h"

#include "db/blad_firebird.h"
#include "db/kv_database.h"
#include "db/obsluga_bledu_bazy.h"

namespace ramvel {
namespace {

struct TPozycjaTransakcji {
    const char* Nazwa;
    char Pozycja;
};

constexpr TPozycjaTransakcji kPozycjeTransakcji[] = {
    {"consistency", isc_tpb_consistency}, {"concurrency", isc_tpb_concurrency},
    {"wait", isc_tpb_wait},               {"nowait", isc_tpb_nowait},
    {"read", isc_tpb_read},               {"write", isc_tpb_write},
    {"read_committed", isc_tpb_read_committed},
    {"rec_version", isc_tpb_rec_version}, {"no_rec_version", isc_tpb_no_rec_version},
};

}  // namespace

std::string BlokParametrowTransakcji(const std::vector<std::string>& nazwy) {
    std::string blok(1, static_cast<char>(isc_tpb_version3));
    for (const auto& nazwa : nazwy) {
        const TPozycjaTransakcji* znana = nullptr;
        for (const auto& p : kPozycjeTransakcji)
            if (nazwa == p.Nazwa)
                znana = &p;
        if (!znana)
            throw EBladFirebird("Nieznany parametr transakcji: " + nazwa);
        blok += znana->Pozycja;
    }
    return blok;
}

TkvTransaction::TkvTransaction(TkvDatabase* baza) { DefaultDatabase(baza); }

TkvTransaction::~TkvTransaction() {
    if (FUchwyt) {
        ISC_STATUS_ARRAY status{};
        isc_rollback_transaction(status, &FUchwyt);
    }
    if (FBaza)
        FBaza->FTransakcje.erase(this);
}

void TkvTransaction::DefaultDatabase(TkvDatabase* baza) {
    if (FBaza)
        FBaza->FTransakcje.erase(this);
    FBaza = baza;
    if (FBaza)
        FBaza->FTransakcje.insert(this);
}

void TkvTransaction::Start() {
    if (!FBaza)
        throw EBladFirebird("Transakcja nie ma przypisanej bazy danych.");
    if (!FBaza->Connected())
        throw EBladFirebird("Baza danych nie jest połączona.");
    const std::string blok = BlokParametrowTransakcji(TRParams);
    ISC_STATUS_ARRAY status{};
    isc_start_transaction(status, &FUchwyt, 1, FBaza->Uchwyt(), static_cast<unsigned short>(blok.size()),
                          blok.data());
    if (status[0] == 1 && status[1]) {
        FUchwyt = 0;
        throw EBladFirebird(status);
    }
}

bool TkvTransaction::Rozpocznij() {
    try {
        if (!Active()) {
            Start();
            FZaglebienie = 1;
        } else {
            ++FZaglebienie;
        }
        return true;
    } catch (const std::exception& blad) {
        ObsluzBladBazy(FBaza, "TkvTransaction", &blad, "");
        return false;
    }
}

void TkvTransaction::StartTransaction() {
    if (!Active())
        Start();
}

bool TkvTransaction::Zakoncz(bool zatwierdz) {
    if (FZaglebienie <= 0 && !Active())
        return true;
    try {
        --FZaglebienie;
        ISC_STATUS_ARRAY status{};
        if (FZaglebienie > 0) {
            if (zatwierdz)
                isc_commit_retaining(status, &FUchwyt);
            else
                isc_rollback_retaining(status, &FUchwyt);
        } else {
            if (zatwierdz)
                isc_commit_transaction(status, &FUchwyt);
            else
                isc_rollback_transaction(status, &FUchwyt);
        }
        SprawdzStatus(status);
        return true;
    } catch (const std::exception& blad) {
        ObsluzBladBazy(FBaza, "TkvTransaction", &blad, "");
        return false;
    }
}

bool TkvTransaction::Zatwierdz() { return Zakoncz(true); }

bool TkvTransaction::Wycofaj() { return Zakoncz(false); }

}  // namespace ramvel
