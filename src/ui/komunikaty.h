#pragma once
// Every message, warning and yes/no question goes through Komunikat; the
// front end in use (Qt window, terminal, test script) shows it.
#include <cstdint>
#include <string>
#include <vector>

namespace ramvel {

enum class TKomPrzycisk : uint8_t { Tak = 0, Nie = 1, Anuluj = 2, OK = 3 };
enum class TKomRodzaj : uint8_t { Pytanie = 0, Blad = 1, Informacja = 3 };

// "&Tak", "&Nie", "&Anuluj", "&OK".
const char* NapisPrzycisku(TKomPrzycisk przycisk);
// "Pytanie", "Błąd", "Informacja".
const char* TytulKomunikatu(TKomRodzaj rodzaj);

class IKomunikaty {
public:
    virtual ~IKomunikaty() = default;
    // Shows the message modally and returns the code of the button pressed.
    // `domyslny` is the initial result when the window gives no answer.
    virtual TKomPrzycisk Pokaz(const std::string& tresc, const std::vector<TKomPrzycisk>& przyciski,
                               TKomPrzycisk domyslny, TKomRodzaj rodzaj) = 0;
};

// The front end in use; the terminal one until another is installed.
IKomunikaty& Komunikaty();
// Installs `komunikaty` (not owned; nullptr goes back to the terminal) and
// returns the one it replaced.
IKomunikaty* UstawKomunikaty(IKomunikaty* komunikaty);

TKomPrzycisk Komunikat(const std::string& tresc, const std::vector<TKomPrzycisk>& przyciski,
                       TKomPrzycisk domyslny, TKomRodzaj rodzaj);
void KomunikatInfo(const std::string& tresc);
void KomunikatBlad(const std::string& tresc);
bool KomunikatPytanie(const std::string& tresc);     // default "&Tak"
bool KomunikatPytanieNie(const std::string& tresc);  // default "&Nie"
bool KomunikatOkAnuluj(const std::string& tresc);

}  // namespace ramvel
