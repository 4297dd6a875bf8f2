#pragma once
// The main window: draws TFormaGlowna and forwards every user action to TGlowna.
#include <QWidget>
#include <memory>

#include "app/forma_glowna.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace ramvel {

class TGlowna;

class TfGlowna : public QWidget, public IWidokGlowny {
    Q_OBJECT
public:
    TfGlowna();
    ~TfGlowna() override;

    TGlowna& Logika() { return *FLogika; }

    void Odswiez(const TFormaGlowna& forma) override;
    void Zamknij() override;
    void FokusNaPathInnaLok() override;

protected:
    void closeEvent(QCloseEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void ZbudujStrone1();
    void ZbudujStrone2();
    void Obsluz(const std::function<void()>& akcja);

    QWidget* panRodzKopii = nullptr;
    QWidget* panOdtworz = nullptr;
    QButtonGroup* rgRodzKopii = nullptr;
    QLabel* imgKopia[3] = {};
    QLineEdit* edPathInnaLok = nullptr;
    QToolButton* slbtnInnaLok = nullptr;
    QPushButton* btnStart = nullptr;
    QPushButton* btnAnuluj = nullptr;

    QComboBox* cmbKopie = nullptr;
    QComboBox* cmbDataKopii = nullptr;
    QLabel* labIdent = nullptr;
    QLabel* labOpis = nullptr;
    QLabel* labDataCzas = nullptr;
    QLabel* labIlDysk = nullptr;
    QLabel* L_DaneLic = nullptr;
    QLabel* L_DaneProg = nullptr;
    QCheckBox* cbAccept = nullptr;
    QRadioButton* rbRozpakDoFirmy = nullptr;
    QRadioButton* rpRozpakWInne = nullptr;
    QLineEdit* edPathRozpakuj = nullptr;
    QToolButton* slBtnRozpakuj = nullptr;
    QPushButton* btnCofnij = nullptr;
    QPushButton* btnOdtworz = nullptr;
    QPushButton* btnWyjscie = nullptr;

    std::unique_ptr<TGlowna> FLogika;
    bool FOdswiezanie = false;
    bool FPierwszaAktywacja = true;
};

}  // namespace ramvel
