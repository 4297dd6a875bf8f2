#pragma once
// Values that go into a statement ("?" parameters) and come out of it (the
// columns of the current row). Texts are UTF-8 here and Windows-1250 on the
// connection.
#include <cstdint>
#include <string>

namespace ramvel {

// One "?" of a statement, in order. User data goes in this way, never pasted
// into the SQL text, so a quote in it is just a character.
class TParametrSQL {
public:
    enum class TRodzaj : uint8_t { Null, Liczba, Tekst };

    static TParametrSQL Null() { return TParametrSQL(TRodzaj::Null, 0, {}); }
    static TParametrSQL Liczba(int64_t wartosc) { return TParametrSQL(TRodzaj::Liczba, wartosc, {}); }
    static TParametrSQL Tekst(std::string wartosc) { return TParametrSQL(TRodzaj::Tekst, 0, std::move(wartosc)); }

    TRodzaj Rodzaj() const { return FRodzaj; }
    int64_t JakoLiczba() const { return FLiczba; }
    const std::string& JakoTekst() const { return FTekst; }

private:
    TParametrSQL(TRodzaj rodzaj, int64_t liczba, std::string tekst)
        : FRodzaj(rodzaj), FLiczba(liczba), FTekst(std::move(tekst)) {}
    TRodzaj FRodzaj;
    int64_t FLiczba;
    std::string FTekst;
};

// One column of the current row.
class TPoleSQL {
public:
    enum class TRodzaj : uint8_t { Null, Liczba, Zmiennoprzecinkowa, Tekst };

    TPoleSQL() = default;
    static TPoleSQL Null(std::string nazwa);
    // A scaled integer (NUMERIC/DECIMAL keep their scale: 1234 with skala -2 is 12.34).
    static TPoleSQL Liczba(std::string nazwa, int64_t wartosc, int skala);
    static TPoleSQL Zmiennoprzecinkowa(std::string nazwa, double wartosc);
    static TPoleSQL Tekst(std::string nazwa, std::string wartosc);

    const std::string& Nazwa() const { return FNazwa; }
    bool JestNull() const { return FRodzaj == TRodzaj::Null; }
    TRodzaj Rodzaj() const { return FRodzaj; }

    // Integer value: a number without its fraction, a text read as a decimal
    // integer (0 when it is none), 0 for NULL.
    int64_t JakoLiczba() const;
    // Text value: a text as stored (CHAR keeps its trailing blanks), a number
    // in decimal with "." before its fraction, '' for NULL.
    std::string JakoTekst() const;

private:
    std::string FNazwa;
    TRodzaj FRodzaj = TRodzaj::Null;
    int64_t FLiczba = 0;
    int FSkala = 0;
    double FZmienna = 0;
    std::string FTekst;
};

}  // namespace ramvel
