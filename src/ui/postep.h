#pragma once
// The progress window of a long operation: a text line, an animation or a
// picture, one or two bars and, when asked for, an interrupt button. The logic
// creates one through UtworzPostep and owns it; the front end in use (Qt
// window, terminal status line, test script) decides how it looks.
#include <cstdint>
#include <memory>
#include <string>

namespace ramvel {

class IPostep {
public:
    virtual ~IPostep() = default;

    // Shown at once, also while the caller does not let window messages run.
    virtual void UstawTekst(const std::string& tekst) = 0;
    virtual void UstawPozycje(int64_t pozycja) = 0;
    // The main bar is shown exactly when `maks` is above 0; with no bar (or
    // with the animation flag) the animation runs instead of the picture.
    virtual void UstawMaks(int64_t maks) = 0;
    // The second bar is shown beside a narrowed main bar when `maks` is above 0.
    virtual void UstawMaksDodatkowy(int64_t maks) = 0;
    // Shows or hides the interrupt button. The interrupt by key (Escape, or
    // Ctrl+C on the terminal) is offered either way.
    virtual void UstawPrzerywalny(bool przerywalny) = 0;
    // Non-modal: shows the window and returns.
    virtual void Pokaz() = 0;
    // Hides the window; it may be shown again.
    virtual void Zamknij() = 0;
    // The user confirmed the interruption. The operation is not stopped by it:
    // it goes on without its window unless it asks this itself.
    virtual bool Przerwano() const = 0;
};

// Builds the progress windows of one front end.
class IPostepy {
public:
    virtual ~IPostepy() = default;
    // The effects in this order: text, interrupt button, animation flag, main
    // bar, second bar, and the caption when `tytul` is not empty (otherwise
    // "Operacja w toku").
    virtual std::unique_ptr<IPostep> Utworz(const std::string& tekst, int64_t maksGlowny, int64_t maksDodatkowy,
                                            bool przerywalny, bool animacja, const std::string& tytul) = 0;
};

// The front end in use; the terminal one until another is installed.
IPostepy& Postepy();
// Installs `postepy` (not owned; nullptr goes back to the terminal) and returns
// the one it replaced.
IPostepy* UstawPostepy(IPostepy* postepy);

std::unique_ptr<IPostep> UtworzPostep(const std::string& tekst = "", int64_t maksGlowny = 0,
                                      int64_t maksDodatkowy = 0, bool przerywalny = false,
                                      bool animacja = false, const std::string& tytul = "");

// The caption of a progress window that was given none.
extern const char* const TYTUL_POSTEPU;
// The question before a progress window gives up on its operation.
extern const char* const PYTANIE_O_PRZERWANIE;

// Asks PYTANIE_O_PRZERWANIE with "&Nie" as the default; true for "&Tak".
bool PotwierdzPrzerwanie();

}  // namespace ramvel
