#pragma once
// The restore driven the way the main window drives it (Start, the company
// and its backup, the acceptance box, Odtwórz), with every window of the
// program scripted: messages and questions, the typed confirmation, the
// progress windows, the archive engine's windows and the database error
// window. The view records what the window would have drawn.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/forma_glowna.h"
#include "app/glowna.h"
#include "odtworzenie/archiwa_kopii.h"
#include "odtworzenie/kopie_baz.h"
#include "odtworzenie/program_odtwarzania.h"
#include "ui/skrypt/okna_paka_skryptu.h"
#include "ui/skrypt/okno_bledu_bazy_skryptu.h"
#include "ui/skrypt/postep_skryptu.h"
#include "ui/skrypt/pytanie_skryptu.h"
#include "ui/skrypt/skrypt.h"

namespace ramvel::testy {

inline constexpr const char* kUdane = "Odtworzenie z kopii wykonano poprawnie.";
inline constexpr const char* kNieudane = "Odtworzenie z kopii nie powiodło się.";
inline constexpr const char* kJednaFirma = "Znaleziono kopię jednej firmy.";

class TWidokZapisujacy : public IWidokGlowny {
public:
    void Odswiez(const TFormaGlowna& forma) override {
        Ostatni = forma;
        Blokady.push_back(forma.PrzyciskiZablokowane);
    }
    void Zamknij() override { Zamkniety = true; }
    void FokusNaAkceptacji() override { ++FokusyAkceptacji; }

    TFormaGlowna Ostatni;
    std::vector<bool> Blokady;  // PrzyciskiZablokowane at every drawing
    bool Zamkniety = false;
    int FokusyAkceptacji = 0;
};

class Odtworzenie : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The program directory, built on first use with this system database.
    TProgramOdtwarzania& Program(const std::vector<std::string>& ddlSystemowej = DdlBazySystemowej());

    // The main window on page 1, source `zrodlo` chosen, "Start" pressed; one
    // company is expected to be found.
    void Start(int zrodlo, const std::string& sciezka = "");
    // Page 2: the first company, its newest backup, the box ticked (or not),
    // the destination chosen ('' for "Firmy"), "Odtwórz" pressed. Whether the
    // restore ended with the success verdict.
    bool Odtworz(const std::string& inneMiejsce = "", bool akceptuj = true);

    // The transcript without the progress windows' text lines: messages with
    // their answers, and progress windows shown and closed.
    std::vector<std::string> Okna() const;
    // The three buttons were disabled while the restore ran and are enabled again.
    void SprawdzPrzyciski() const;

    std::string Baza(const std::string& nazwa) const { return FProgram->Baza() + "/" + nazwa; }

    TSkrypt FSkrypt;
    TPostepySkryptu FPostepy{FSkrypt};
    TPytaniaSkryptu FPytania{FSkrypt};
    TOknaPakaSkryptu FOknaPaka{FSkrypt};
    TOknoBleduBazySkryptu FOknoBledu{FSkrypt};
    TWidokZapisujacy FWidok;
    std::unique_ptr<TProgramOdtwarzania> FProgram;
    std::unique_ptr<TGlowna> FGlowna;
};

// The transcript line of a message window answered as expected.
std::string Linia(const std::string& rodzaj, const std::string& tekst, const std::string& odpowiedz);

}  // namespace ramvel::testy
