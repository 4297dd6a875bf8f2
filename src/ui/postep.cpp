#include "ui/postep.h"

#include "ui/komunikaty.h"
#include "ui/konsola/postep_konsoli.h"

namespace ramvel {
namespace {

IPostepy*& Zainstalowane() {
    static IPostepy* postepy = nullptr;
    return postepy;
}

}  // namespace

const char* const TYTUL_POSTEPU = "Operacja w toku";
const char* const PYTANIE_O_PRZERWANIE = "Czy na pewno przerwać?";

IPostepy& Postepy() {
    if (Zainstalowane())
        return *Zainstalowane();
    return PostepyKonsoli();
}

IPostepy* UstawPostepy(IPostepy* postepy) {
    IPostepy* poprzednie = Zainstalowane();
    Zainstalowane() = postepy;
    return poprzednie;
}

std::unique_ptr<IPostep> UtworzPostep(const std::string& tekst, int64_t maksGlowny, int64_t maksDodatkowy,
                                      bool przerywalny, bool animacja, const std::string& tytul) {
    return Postepy().Utworz(tekst, maksGlowny, maksDodatkowy, przerywalny, animacja, tytul);
}

bool PotwierdzPrzerwanie() { return KomunikatPytanieNie(PYTANIE_O_PRZERWANIE); }

}  // namespace ramvel
