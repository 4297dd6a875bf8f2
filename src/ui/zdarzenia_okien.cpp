#include "ui/zdarzenia_okien.h"

#include "ui/konsola/zdarzenia_konsoli.h"

namespace ramvel {
namespace {

IZdarzeniaOkien*& Zainstalowane() {
    static IZdarzeniaOkien* zdarzenia = nullptr;
    return zdarzenia;
}

}  // namespace

IZdarzeniaOkien& ZdarzeniaOkien() {
    static TZdarzeniaKonsoli konsola;
    return Zainstalowane() ? *Zainstalowane() : konsola;
}

IZdarzeniaOkien* UstawZdarzeniaOkien(IZdarzeniaOkien* zdarzenia) {
    IZdarzeniaOkien* poprzednie = Zainstalowane();
    Zainstalowane() = zdarzenia;
    return poprzednie;
}

}  // namespace ramvel
