#pragma once
// The Qt program's handler: pending events are processed in place, and the
// Escape key is watched through an application-wide event filter while a job
// runs.
#include <QObject>

#include "ui/zdarzenia_okien.h"

namespace ramvel {

class TZdarzeniaQt : public QObject, public IZdarzeniaOkien {
    Q_OBJECT
public:
    void Rozpocznij() override;
    void Zakoncz() override;
    void PrzetworzZdarzenia() override;
    // Escape held now, or pressed since the last call: a press and its release
    // often arrive within one round of event processing.
    bool PrzerwanieWcisniete() override;

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    int FZagniezdzenie = 0;
    bool FTrzymany = false;
    bool FNacisniety = false;
};

}  // namespace ramvel
