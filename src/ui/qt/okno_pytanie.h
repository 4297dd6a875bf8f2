#pragma once
// The typed confirmation dialog: "&Tak" closes it only once the box holds TAK.
#include <QDialog>

#include "ui/pytanie.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ramvel {

class TfrmPytanie : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPytanie(QWidget* wlasciciel = nullptr);

    // Modal; true exactly when the dialog was closed by accepting.
    bool ZadajPytanie(const std::string& tytul, const std::string& tresc);

    // Accepting is refused while the box does not hold exactly TAK.
    void done(int wynik) override;

    QFrame* Panel1;
    QLabel* Image1;
    QLabel* labPytanie;
    QLabel* labPotwierdz;
    QLineEdit* edPotwierdz;
    QPushButton* btnTak;
    QPushButton* btnNie;

protected:
    void changeEvent(QEvent* zdarzenie) override;
    void showEvent(QShowEvent* zdarzenie) override;
};

// Asks on a TfrmPytanie with no owner.
IPytanie& PytaniaQt();

}  // namespace ramvel
