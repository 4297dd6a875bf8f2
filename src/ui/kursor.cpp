#include "ui/kursor.h"

namespace ramvel {
namespace {

class TKursorBezOkien : public IKursor {
public:
    void Ustaw(TKursor kursor) override { FBiezacy = kursor; }
    TKursor Biezacy() const override { return FBiezacy; }

private:
    TKursor FBiezacy = TKursor::Normalny;
};

IKursor*& Zainstalowany() {
    static IKursor* kursor = nullptr;
    return kursor;
}

}  // namespace

IKursor& Kursor() {
    static TKursorBezOkien bezOkien;
    return Zainstalowany() ? *Zainstalowany() : bezOkien;
}

IKursor* UstawKursor(IKursor* kursor) {
    IKursor* poprzedni = Zainstalowany();
    Zainstalowany() = kursor;
    return poprzedni;
}

}  // namespace ramvel
