#include "db/polecenie_sql.h"

#include <cstring>

#include "db/blad_firebird.h"
#include "platform/bledy.h"
#include "platform/cp1250.h"

namespace ramvel {
namespace {

constexpr short kCharsetOctets = 1;  // binary text: no conversion
// Dates, times and booleans come as text; this holds the longest of them.
constexpr short kDlugoscTekstuDaty = 64;
// A BLOB is read whole; the limit keeps one damaged value from taking the memory.
constexpr size_t kNajwiekszyBlob = 64u << 20;
constexpr unsigned short kSegmentBloba = 32768;

bool Blad(const ISC_STATUS* status) { return status[0] == 1 && status[1] != 0; }

std::string NaCp1250(const std::string& tekst) {
    auto bajty = Utf8NaCp1250(tekst);
    if (!bajty)
        throw EBlad("Tekst \"" + tekst +
                    "\" zawiera znak, którego nie można zapisać w bazie danych (kodowanie Windows-1250).");
    return *bajty;
}

int RodzajPolecenia(isc_stmt_handle* uchwyt) {
    const char pytanie[] = {isc_info_sql_stmt_type};
    char odpowiedz[16] = {};
    ISC_STATUS_ARRAY status{};
    isc_dsql_sql_info(status, uchwyt, sizeof pytanie, pytanie, sizeof odpowiedz, odpowiedz);
    SprawdzStatus(status);
    if (odpowiedz[0] != isc_info_sql_stmt_type)
        return 0;
    const auto dlugosc = static_cast<short>(isc_vax_integer(odpowiedz + 1, 2));
    if (dlugosc <= 0 || dlugosc > 4)
        return 0;
    return static_cast<int>(isc_vax_integer(odpowiedz + 3, dlugosc));
}

}  // namespace

// An XSQLDA of n variables, in storage aligned for it.
class TObszarSQLDA {
public:
    explicit TObszarSQLDA(short liczba) { Przydziel(liczba); }
    void Przydziel(short liczba) {
        const short n = liczba < 1 ? 1 : liczba;
        FPamiec.assign((XSQLDA_LENGTH(n) + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t), {});
        Da()->version = SQLDA_VERSION1;
        Da()->sqln = n;
    }
    XSQLDA* Da() { return reinterpret_cast<XSQLDA*>(FPamiec.data()); }

private:
    std::vector<std::max_align_t> FPamiec;
};

TPolecenieSQL::TPolecenieSQL() = default;

TPolecenieSQL::~TPolecenieSQL() { Zwolnij(); }

void TPolecenieSQL::Zwolnij() {
    if (FUchwyt) {
        ISC_STATUS_ARRAY status{};
        isc_dsql_free_statement(status, &FUchwyt, DSQL_drop);
        FUchwyt = 0;
    }
    FKursor = false;
    FWierszProcedury = false;
}

void TPolecenieSQL::Wykonaj(isc_db_handle* baza, isc_tr_handle* transakcja, int dialekt, const std::string& tekst,
                            const std::vector<TParametrSQL>& parametry) {
    Zwolnij();
    FWiersz.clear();
    FBaza = baza;
    FTransakcja = transakcja;
    const std::string sql = NaCp1250(tekst);
    const auto dialektSQL = static_cast<unsigned short>(dialekt);

    ISC_STATUS_ARRAY status{};
    isc_dsql_alloc_statement2(status, baza, &FUchwyt);
    if (Blad(status)) {
        FUchwyt = 0;
        throw EBladFirebird(status);
    }
    FWyjscie = std::make_unique<TObszarSQLDA>(1);
    // A length of 0 tells the client to read up to the terminating zero.
    const auto dlugosc = static_cast<unsigned short>(sql.size() <= 0xFFFF ? sql.size() : 0);
    isc_dsql_prepare(status, transakcja, &FUchwyt, dlugosc, sql.c_str(), dialektSQL, FWyjscie->Da());
    SprawdzStatus(status);
    PrzygotujWyniki(dialekt);
    WiazParametry(parametry, dialekt);

    const int rodzaj = RodzajPolecenia(&FUchwyt);
    XSQLDA* wejscie = FWejscie->Da()->sqld > 0 ? FWejscie->Da() : nullptr;
    if (rodzaj == isc_info_sql_stmt_select || rodzaj == isc_info_sql_stmt_select_for_upd) {
        isc_dsql_execute(status, transakcja, &FUchwyt, dialektSQL, wejscie);
        SprawdzStatus(status);
        FKursor = true;
    } else if (rodzaj == isc_info_sql_stmt_exec_procedure && FWyjscie->Da()->sqld > 0) {
        isc_dsql_execute2(status, transakcja, &FUchwyt, dialektSQL, wejscie, FWyjscie->Da());
        SprawdzStatus(status);
        FWierszProcedury = true;
    } else {
        isc_dsql_execute(status, transakcja, &FUchwyt, dialektSQL, wejscie);
        SprawdzStatus(status);
    }
}

void TPolecenieSQL::PrzygotujWyniki(int dialekt) {
    XSQLDA* da = FWyjscie->Da();
    if (da->sqld > da->sqln) {
        FWyjscie->Przydziel(da->sqld);
        da = FWyjscie->Da();
        ISC_STATUS_ARRAY status{};
        isc_dsql_describe(status, &FUchwyt, static_cast<unsigned short>(dialekt), da);
        SprawdzStatus(status);
    }
    const short liczba = da->sqld;
    FBuforyWyjscia.assign(static_cast<size_t>(liczba), {});
    FWskaznikiWyjscia.assign(static_cast<size_t>(liczba), 0);
    for (short i = 0; i < liczba; ++i) {
        XSQLVAR& v = da->sqlvar[i];
        size_t rozmiar = 0;
        switch (v.sqltype & ~1) {
            case SQL_TEXT: rozmiar = static_cast<size_t>(v.sqllen); break;
            case SQL_VARYING: rozmiar = static_cast<size_t>(v.sqllen) + 2; break;
            case SQL_TYPE_DATE:
            case SQL_TYPE_TIME:
            case SQL_TIMESTAMP:
            case SQL_BOOLEAN:
                // The server writes these as text for us.
                v.sqltype = SQL_VARYING;
                v.sqllen = kDlugoscTekstuDaty;
                v.sqlsubtype = 0;
                v.sqlscale = 0;
                rozmiar = kDlugoscTekstuDaty + 2;
                break;
            default: rozmiar = static_cast<size_t>(v.sqllen); break;
        }
        FBuforyWyjscia[static_cast<size_t>(i)].assign(rozmiar < 8 ? 8 : rozmiar, '\0');
        v.sqldata = FBuforyWyjscia[static_cast<size_t>(i)].data();
        v.sqlind = &FWskaznikiWyjscia[static_cast<size_t>(i)];
        v.sqltype = static_cast<short>(v.sqltype | 1);
    }
}

void TPolecenieSQL::WiazParametry(const std::vector<TParametrSQL>& parametry, int dialekt) {
    FWejscie = std::make_unique<TObszarSQLDA>(1);
    ISC_STATUS_ARRAY status{};
    isc_dsql_describe_bind(status, &FUchwyt, static_cast<unsigned short>(dialekt), FWejscie->Da());
    SprawdzStatus(status);
    if (FWejscie->Da()->sqld > FWejscie->Da()->sqln) {
        FWejscie->Przydziel(FWejscie->Da()->sqld);
        isc_dsql_describe_bind(status, &FUchwyt, static_cast<unsigned short>(dialekt), FWejscie->Da());
        SprawdzStatus(status);
    }
    XSQLDA* da = FWejscie->Da();
    const auto liczba = static_cast<size_t>(da->sqld);
    if (liczba != parametry.size())
        throw EBladFirebird("Polecenie ma " + std::to_string(liczba) + " parametrów, a podano " +
                            std::to_string(parametry.size()) + ".");
    FBuforyWejscia.assign(liczba, {});
    FWskaznikiWejscia.assign(liczba, 0);
    for (size_t i = 0; i < liczba; ++i) {
        XSQLVAR& v = da->sqlvar[i];
        const TParametrSQL& p = parametry[i];
        std::string& bufor = FBuforyWejscia[i];
        switch (p.Rodzaj()) {
            case TParametrSQL::TRodzaj::Null:
                bufor.assign(static_cast<size_t>(v.sqllen) + 2 < 8 ? 8 : static_cast<size_t>(v.sqllen) + 2, '\0');
                FWskaznikiWejscia[i] = -1;
                break;
            case TParametrSQL::TRodzaj::Liczba: {
                const ISC_INT64 wartosc = p.JakoLiczba();
                bufor.assign(reinterpret_cast<const char*>(&wartosc), sizeof wartosc);
                v.sqltype = SQL_INT64;
                v.sqllen = sizeof wartosc;
                v.sqlscale = 0;
                v.sqlsubtype = 0;
                break;
            }
            case TParametrSQL::TRodzaj::Tekst: {
                const std::string bajty = NaCp1250(p.JakoTekst());
                if ((v.sqltype & ~1) == SQL_BLOB) {
                    ISC_QUAD identyfikator{};
                    isc_blob_handle blob = 0;
                    isc_create_blob2(status, FBaza, FTransakcja, &blob, &identyfikator, 0, nullptr);
                    SprawdzStatus(status);
                    for (size_t od = 0; od < bajty.size() && !Blad(status); od += kSegmentBloba) {
                        const size_t ile = std::min<size_t>(kSegmentBloba, bajty.size() - od);
                        isc_put_segment(status, &blob, static_cast<unsigned short>(ile), bajty.data() + od);
                    }
                    ISC_STATUS_ARRAY statusZamkniecia{};
                    if (Blad(status))
                        isc_cancel_blob(statusZamkniecia, &blob);
                    else
                        isc_close_blob(status, &blob);
                    SprawdzStatus(status);
                    bufor.assign(reinterpret_cast<const char*>(&identyfikator), sizeof identyfikator);
                    v.sqltype = SQL_BLOB;
                    break;
                }
                if (bajty.size() > 32767)
                    throw EBladFirebird("Tekst parametru jest za długi (" + std::to_string(bajty.size()) +
                                        " bajtów).");
                bufor = bajty;
                v.sqltype = SQL_TEXT;
                v.sqllen = static_cast<short>(bajty.size());
                v.sqlscale = 0;
                // The connection's character set: the bytes are Windows-1250.
                v.sqlsubtype = 0;
                break;
            }
        }
        if (bufor.empty())
            bufor.assign(1, '\0');
        v.sqldata = bufor.data();
        v.sqlind = &FWskaznikiWejscia[i];
        v.sqltype = static_cast<short>(v.sqltype | 1);
    }
}

bool TPolecenieSQL::Pobierz() {
    if (FWierszProcedury) {
        FWierszProcedury = false;
        CzytajWiersz();
        return true;
    }
    if (!FKursor)
        return false;
    ISC_STATUS_ARRAY status{};
    const ISC_STATUS wynik = isc_dsql_fetch(status, &FUchwyt, SQL_DIALECT_V6, FWyjscie->Da());
    if (wynik == 100) {
        FWiersz.clear();
        return false;
    }
    SprawdzStatus(status);
    CzytajWiersz();
    return true;
}

void TPolecenieSQL::CzytajWiersz() {
    XSQLDA* da = FWyjscie->Da();
    FWiersz.clear();
    for (short i = 0; i < da->sqld; ++i) {
        const XSQLVAR& v = da->sqlvar[i];
        std::string nazwa = Cp1250NaUtf8(std::string(v.aliasname, static_cast<size_t>(v.aliasname_length)));
        if (*v.sqlind < 0) {
            FWiersz.push_back(TPoleSQL::Null(std::move(nazwa)));
            continue;
        }
        const char* dane = v.sqldata;
        const bool binarny = (v.sqlsubtype & 0xFF) == kCharsetOctets;
        switch (v.sqltype & ~1) {
            case SQL_TEXT: {
                std::string bajty(dane, static_cast<size_t>(v.sqllen));
                FWiersz.push_back(TPoleSQL::Tekst(std::move(nazwa), binarny ? bajty : Cp1250NaUtf8(bajty)));
                break;
            }
            case SQL_VARYING: {
                unsigned short dlugosc;
                std::memcpy(&dlugosc, dane, sizeof dlugosc);
                if (dlugosc > static_cast<unsigned short>(v.sqllen))
                    dlugosc = static_cast<unsigned short>(v.sqllen);
                std::string bajty(dane + 2, dlugosc);
                FWiersz.push_back(TPoleSQL::Tekst(std::move(nazwa), binarny ? bajty : Cp1250NaUtf8(bajty)));
                break;
            }
            case SQL_SHORT: {
                short w;
                std::memcpy(&w, dane, sizeof w);
                FWiersz.push_back(TPoleSQL::Liczba(std::move(nazwa), w, v.sqlscale));
                break;
            }
            case SQL_LONG: {
                ISC_LONG w;
                std::memcpy(&w, dane, sizeof w);
                FWiersz.push_back(TPoleSQL::Liczba(std::move(nazwa), w, v.sqlscale));
                break;
            }
            case SQL_INT64: {
                ISC_INT64 w;
                std::memcpy(&w, dane, sizeof w);
                FWiersz.push_back(TPoleSQL::Liczba(std::move(nazwa), w, v.sqlscale));
                break;
            }
            case SQL_FLOAT: {
                float w;
                std::memcpy(&w, dane, sizeof w);
                FWiersz.push_back(TPoleSQL::Zmiennoprzecinkowa(std::move(nazwa), w));
                break;
            }
            case SQL_DOUBLE:
            case SQL_D_FLOAT: {
                double w;
                std::memcpy(&w, dane, sizeof w);
                FWiersz.push_back(TPoleSQL::Zmiennoprzecinkowa(std::move(nazwa), w));
                break;
            }
            case SQL_BLOB: {
                ISC_QUAD identyfikator;
                std::memcpy(&identyfikator, dane, sizeof identyfikator);
                std::string bajty = CzytajBlob(identyfikator, v.sqlsubtype == 1);
                FWiersz.push_back(TPoleSQL::Tekst(std::move(nazwa), std::move(bajty)));
                break;
            }
            default:
                // Arrays and types this program never reads.
                FWiersz.push_back(TPoleSQL::Null(std::move(nazwa)));
                break;
        }
    }
}

std::string TPolecenieSQL::CzytajBlob(const ISC_QUAD& identyfikator, bool tekstowy) {
    ISC_STATUS_ARRAY status{};
    isc_blob_handle blob = 0;
    ISC_QUAD id = identyfikator;
    isc_open_blob2(status, FBaza, FTransakcja, &blob, &id, 0, nullptr);
    SprawdzStatus(status);
    struct TZamknijBlob {
        isc_blob_handle& Blob;
        ~TZamknijBlob() {
            ISC_STATUS_ARRAY s{};
            isc_close_blob(s, &Blob);
        }
    } zamknij{blob};
    std::string bajty;
    std::vector<char> segment(kSegmentBloba);
    for (;;) {
        unsigned short przeczytane = 0;
        const ISC_STATUS wynik =
            isc_get_segment(status, &blob, &przeczytane, static_cast<unsigned short>(segment.size()), segment.data());
        if (wynik != 0 && wynik != isc_segment) {
            if (wynik == isc_segstr_eof)
                break;
            SprawdzStatus(status);
            break;
        }
        bajty.append(segment.data(), przeczytane);
        if (bajty.size() > kNajwiekszyBlob)
            throw EBladFirebird("Wartość BLOB jest za duża.");
    }
    return tekstowy ? Cp1250NaUtf8(bajty) : bajty;
}

void TPolecenieSQL::Zamknij() {
    FWierszProcedury = false;
    if (!FKursor)
        return;
    FKursor = false;
    ISC_STATUS_ARRAY status{};
    isc_dsql_free_statement(status, &FUchwyt, DSQL_close);
    SprawdzStatus(status);
}

}  // namespace ramvel
