#pragma once
// The message window: sized to its text and buttons, rich text from the
// message markup, closed only by one of its buttons.
#include <QDialog>
#include <vector>

#include "ui/komunikaty.h"

class QTextEdit;
class QPushButton;

namespace ramvel {

class TOknoKomunikat : public QDialog {
    Q_OBJECT
public:
    TOknoKomunikat(const std::string& tresc, const std::vector<TKomPrzycisk>& przyciski, TKomPrzycisk domyslny,
                   TKomRodzaj rodzaj, QWidget* rodzic = nullptr);

    TKomPrzycisk Wynik() const { return FWynik; }
    QTextEdit* PoleTekstu() const { return FTekst; }
    QPushButton* PrzyciskDomyslny() const { return FDomyslny; }
    const std::vector<QPushButton*>& Przyciski() const { return FPrzyciski; }

protected:
    void closeEvent(QCloseEvent* zdarzenie) override;
    void keyPressEvent(QKeyEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void Nacisnieto(TKomPrzycisk przycisk);
    void DopasujTekst(int liczbaPrzyciskow, int szerokoscEkranu);

    QTextEdit* FTekst = nullptr;
    QPushButton* FDomyslny = nullptr;
    std::vector<QPushButton*> FPrzyciski;
    TKomPrzycisk FWynik;
    bool FMoznaZamknac = false;
};

class TKomunikatyQt : public IKomunikaty {
public:
    TKomPrzycisk Pokaz(const std::string& tresc, const std::vector<TKomPrzycisk>& przyciski,
                       TKomPrzycisk domyslny, TKomRodzaj rodzaj) override;
};

// Fills a rich-text area from the message markup.
void WypelnijTekstKomunikatu(QTextEdit* pole, const std::string& tresc);

}  // namespace ramvel
