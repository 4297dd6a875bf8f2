#include "app/glowna.h"
#include "app/odtworz.h"
#include "ui/komunikaty.h"

namespace ramvel {

void TGlowna::btnOdtworzClick() {
    if (!FForma.Akceptacja) {
        KomunikatInfo("Zaakceptuj dane firmy.");
        FWidok.FokusNaAkceptacji();
        return;
    }
    Odtworz();
}

void TGlowna::Odtworz() {
    TRekKat* wybrana = FListaFirm.Kopia(FForma.WybranaFirma, FForma.WybranaKopia);
    if (!wybrana)
        return;
    FOdtworzenieUdane = false;
    TOdtwarzanie odtwarzanie(*this, *wybrana, *FPostep);
    // Activation coming back from a progress window shows page 1 again.
    struct TPoOknach {
        TGlowna& Glowna;
        TOdtwarzanie& Odtwarzanie;
        ~TPoOknach() {
            if (Odtwarzanie.PokazanoOknoPostepu())
                Glowna.FormActivate();
        }
    } poOknach{*this, odtwarzanie};
    FOdtworzenieUdane = odtwarzanie.Odtworz();
}

}  // namespace ramvel
