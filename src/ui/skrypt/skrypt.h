#pragma once
// The scripted front end for tests: every window the logic opens is checked
// against the next expected step of a script, answered from it, and written to
// a transcript. Anything unexpected is recorded as a fault (and answered with
// the window's default), so a test ends with EXPECT_THAT(skrypt.Bledy(), IsEmpty()).
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/komunikaty.h"

namespace ramvel {

struct TKrokSkryptu {
    std::string Rodzaj;     // "Pytanie", "Błąd", "Informacja", or another window's kind
    std::string Tekst;      // the exact text expected
    std::string Odpowiedz;  // "&Tak", "&Nie", "&OK", "&Anuluj", or a window's own answer
    std::function<void()> Akcja;  // what the user does before answering (swaps a diskette…)
};

class TSkrypt {
public:
    TSkrypt();
    ~TSkrypt();  // restores the front end that was installed before
    TSkrypt(const TSkrypt&) = delete;
    TSkrypt& operator=(const TSkrypt&) = delete;

    // Appends one expected step; returns *this to chain steps.
    TSkrypt& Oczekuj(std::string rodzaj, std::string tekst, std::string odpowiedz = "",
                     std::function<void()> akcja = {});
    // The user acts before answering the step added last.
    TSkrypt& Potem(std::function<void()> akcja);
    TSkrypt& Info(std::string tekst) { return Oczekuj("Informacja", std::move(tekst), "&OK"); }
    TSkrypt& Blad(std::string tekst) { return Oczekuj("Błąd", std::move(tekst), "&OK"); }
    TSkrypt& Pytanie(std::string tekst, std::string odpowiedz) {
        return Oczekuj("Pytanie", std::move(tekst), std::move(odpowiedz));
    }

    // For scripted windows: checks the next step against (rodzaj, tekst) and
    // returns its answer; on a mismatch records a fault and returns `domyslna`.
    std::string Krok(const std::string& rodzaj, const std::string& tekst, const std::string& domyslna);
    // For windows that need no answer (progress lines): transcript only.
    void Zapisz(std::string linia);

    const std::vector<std::string>& Przebieg() const { return FPrzebieg; }
    // Faults so far plus every expected step never reached.
    std::vector<std::string> Bledy() const;

private:
    class TKomunikatySkryptu;
    std::deque<TKrokSkryptu> FKroki;
    std::vector<std::string> FPrzebieg;
    std::vector<std::string> FBledy;
    TKomunikatySkryptu* FKomunikaty;
    IKomunikaty* FPoprzednieKomunikaty;
};

}  // namespace ramvel
