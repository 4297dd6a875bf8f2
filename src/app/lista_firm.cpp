#include "app/lista_firm.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

#include "files/teksty.h"

namespace ramvel {

const TFirma* TListaFirm::Firma(int indeks) const {
    if (indeks < 0 || indeks >= Ilosc())
        return nullptr;
    return &FFirmy[static_cast<size_t>(indeks)];
}

TRekKat* TListaFirm::Kopia(int firma, int kopia) const {
    const TFirma* f = Firma(firma);
    if (!f || kopia < 0 || kopia >= static_cast<int>(f->Kopie.size()))
        return nullptr;
    return f->Kopie[static_cast<size_t>(kopia)].get();
}

void TListaFirm::DodajKopie(std::unique_ptr<TRekKat> rekord) {
    auto firma = std::find_if(FFirmy.begin(), FFirmy.end(),
                              [&](const TFirma& f) { return TekstyRowne(f.Klucz, rekord->PodKatalog); });
    if (firma == FFirmy.end()) {
        FFirmy.push_back(TFirma{rekord->PodKatalog, {}});
        firma = std::prev(FFirmy.end());
    }
    firma->Kopie.push_back(std::move(rekord));
}

void TListaFirm::Sortuj() {
    // Named explicitly: the default collator follows LANG, which is often
    // unset, and would put Ł after Z.
    QCollator porownanie(QLocale(QLocale::Polish, QLocale::Poland));
    porownanie.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(FFirmy.begin(), FFirmy.end(), [&](const TFirma& a, const TFirma& b) {
        return porownanie.compare(QString::fromStdString(a.Klucz), QString::fromStdString(b.Klucz)) < 0;
    });
    // A stable sort on the time alone: the same order as passing neighbours
    // and swapping only a strictly later one.
    for (TFirma& firma : FFirmy)
        std::stable_sort(firma.Kopie.begin(), firma.Kopie.end(),
                         [](const auto& a, const auto& b) { return a->Czas < b->Czas; });
}

}  // namespace ramvel
