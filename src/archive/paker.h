#pragma once
// Tpaker (module Paker): unpacks a KVR archive into a directory in one call,
// asking its own questions, showing its own progress window and error list,
// and beeping on failure. The caller learns only whether it succeeded.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ramvel {

class TCzytnikKvr;
class TOknoPaka;

class Tpaker {
public:
    Tpaker();
    ~Tpaker();
    Tpaker(const Tpaker&) = delete;
    Tpaker& operator=(const Tpaker&) = delete;

    // Options, archive (first volume), destination directory, masks separated
    // by ";" ('' is "*.*").
    bool Dekompresuj(const std::string& Opcje, const std::string& NazwaArchiwum, const std::string& KatalogDocelowy,
                     const std::string& Maski);
    // False only when the user refused the standard volume size.
    bool UstawOpcje(const std::string& Opcje);

    // The options, as UstawOpcje left them.
    bool Rekurencja = false;       // "+r", no effect on extraction
    bool Nadpisuj = false;         // "+o"
    bool ZawszeTak = false;        // "+y"
    bool PokazOkno = true;         // "-w" clears it
    bool ZachowajSciezki = true;   // "-p" clears it
    bool BledyBezPytania = true;   // "-e" clears it
    bool PrzywracajDaty = true;    // "-d" clears it
    int32_t RozmiarPaczki = 0;     // "+v<n>": n * 1,000, no effect on extraction

    // Optional events; the restore program sets none.
    std::function<void(Tpaker&, const std::string&)> OnPrzedPlikiem;
    std::function<void(Tpaker&, const std::string&)> OnPoPliku;
    std::function<void(Tpaker&, int32_t, int32_t)> OnPostep;

    // Milliseconds of a steady clock; tests put a clock of their own here.
    std::function<int64_t()> Zegar;

    const std::vector<std::string>& Bledy() const { return ListaBledow; }
    // After the call: the last volume read.
    const std::string& Archiwum() const { return NazwaArchiwum; }

    bool PasujeDoMasek(const std::string& Sciezka) const;
    static bool JestSciezka(const std::string& Maska);
    static bool PasujeDoMaski(const std::string& Nazwa, const std::string& Maska);
    void DodajBlad(const std::string& Tekst);

private:
    bool DekompresujArchiwum();
    bool PrzygotujIWykonaj();
    bool WykonajDekompresje();
    void PetlaWpisow();
    int32_t DekompresujPlik(int32_t RozmiarPliku);
    bool ZapytajUzytkownika(const std::string& Tekst);
    void PokazBledy();
    // The target of a stored name, or nullopt when it would leave the
    // destination directory (a ".." component, an absolute or drive path).
    std::optional<std::string> SciezkaDocelowa(const std::string& nazwa) const;

    std::unique_ptr<TOknoPaka> Okno;
    std::vector<std::string> ListaBledow;
    int64_t CzasStartu = 0;
    double SzacowanyCzas = 0;
    bool Pomin = false;
    std::string Maski;
    std::string NazwaArchiwum;
    std::string KatalogDocelowy;
    bool ArchiwumZDatami = false;
    std::string BiezacyPlik;

    TCzytnikKvr* FCzytnik = nullptr;   // the open archive, during a run
    int64_t FZdekodowanoWpisu = 0;     // decoded bytes of the last entry, skipped or not
    bool FOdrzuconoNazwe = false;      // an entry was refused for its name: the run fails
};

}  // namespace ramvel
