#include "ui/qt/zdarzenia_qt.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace ramvel {

void TZdarzeniaQt::Rozpocznij() {
    if (FZagniezdzenie++ > 0)
        return;
    FTrzymany = FNacisniety = false;
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

void TZdarzeniaQt::Zakoncz() {
    if (FZagniezdzenie == 0 || --FZagniezdzenie > 0)
        return;
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

void TZdarzeniaQt::PrzetworzZdarzenia() {
    QCoreApplication::processEvents();
}

bool TZdarzeniaQt::PrzerwanieWcisniete() {
    const bool wcisniete = FTrzymany || FNacisniety;
    FNacisniety = false;
    return wcisniete;
}

bool TZdarzeniaQt::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (zdarzenie->type() == QEvent::KeyPress || zdarzenie->type() == QEvent::KeyRelease) {
        const auto* klawisz = static_cast<QKeyEvent*>(zdarzenie);
        if (klawisz->key() == Qt::Key_Escape && !klawisz->isAutoRepeat()) {
            FTrzymany = zdarzenie->type() == QEvent::KeyPress;
            FNacisniety = FNacisniety || FTrzymany;
        }
    }
    return QObject::eventFilter(obiekt, zdarzenie);
}

}  // namespace ramvel
