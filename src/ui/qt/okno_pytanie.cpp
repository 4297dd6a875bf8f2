#include "ui/qt/okno_pytanie.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QValidator>
#include <algorithm>

namespace ramvel {
namespace {

constexpr int DlugoscSlowa = 3;

// Every letter typed or pasted into the box shows in upper case.
class TWielkieLitery : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& tekst, int& pozycja) const override {
        // Upper case may lengthen a letter (ß → SS): the box still holds three.
        tekst = tekst.toUpper().left(DlugoscSlowa);
        pozycja = std::min<int>(pozycja, tekst.size());
        return Acceptable;
    }
};

QFont CzcionkaPikseli(QFont czcionka, int piksele) {
    czcionka.setPixelSize(piksele);
    return czcionka;
}

class TPytaniaQt : public IPytanie {
public:
    bool Zadaj(const std::string& tytul, const std::string& tresc) override {
        TfrmPytanie okno;
        return okno.ZadajPytanie(tytul, tresc);
    }
};

}  // namespace

TfrmPytanie::TfrmPytanie(QWidget* wlasciciel) : QDialog(wlasciciel) {
    setFixedSize(492, 180);

    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(0, 0, 492, 145);

    Image1 = new QLabel(Panel1);
    Image1->setGeometry(14, 10, 32, 32);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));

    labPytanie = new QLabel(Panel1);
    labPytanie->setGeometry(60, 10, 425, 90);
    labPytanie->setWordWrap(true);
    labPytanie->setTextFormat(Qt::PlainText);
    labPytanie->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    labPytanie->setFont(CzcionkaPikseli(labPytanie->font(), 13));

    edPotwierdz = new QLineEdit(Panel1);
    edPotwierdz->setGeometry(370, 105, 32, 23);
    edPotwierdz->setFont(CzcionkaPikseli(edPotwierdz->font(), 12));
    edPotwierdz->setMaxLength(DlugoscSlowa);
    edPotwierdz->setValidator(new TWielkieLitery(edPotwierdz));
    // Three capitals of this font need the whole 32 pixels of the box.
    edPotwierdz->setTextMargins(0, 0, 0, 0);

    labPotwierdz = new QLabel(QString::fromUtf8(INSTRUKCJA_POTWIERDZENIA), Panel1);
    labPotwierdz->setTextFormat(Qt::PlainText);
    labPotwierdz->setFont(CzcionkaPikseli(labPotwierdz->font(), 13));
    labPotwierdz->adjustSize();
    // The instruction starts at 90 when the font leaves room for it; a wider
    // font moves it left rather than under the box it points at.
    const int doPola = edPotwierdz->x() - 6;
    labPotwierdz->move(std::max(8, std::min(90, doPola - labPotwierdz->width())), 108);

    btnTak = new QPushButton(QStringLiteral("&Tak"), this);
    btnTak->setGeometry(169, 151, 75, 25);
    btnTak->setDefault(true);
    connect(btnTak, &QPushButton::clicked, this, &QDialog::accept);

    btnNie = new QPushButton(QStringLiteral("&Nie"), this);
    btnNie->setGeometry(249, 151, 75, 25);
    connect(btnNie, &QPushButton::clicked, this, &QDialog::reject);
}

bool TfrmPytanie::ZadajPytanie(const std::string& tytul, const std::string& tresc) {
    edPotwierdz->clear();
    labPytanie->setText(QString::fromStdString(TekstPytania(tresc)));
    setWindowTitle(QString::fromStdString(tytul));
    if (QScreen* ekran = screen())
        move(ekran->availableGeometry().center() - rect().center());
    return exec() == QDialog::Accepted;
}

void TfrmPytanie::done(int wynik) {
    if (wynik == QDialog::Accepted && edPotwierdz->text() != QString::fromUtf8(SLOWO_POTWIERDZENIA))
        return;
    QDialog::done(wynik);
}

void TfrmPytanie::showEvent(QShowEvent* zdarzenie) {
    QDialog::showEvent(zdarzenie);
    btnNie->setFocus();
}

void TfrmPytanie::changeEvent(QEvent* zdarzenie) {
    QDialog::changeEvent(zdarzenie);
    if (zdarzenie->type() == QEvent::ActivationChange && isActiveWindow())
        btnNie->setFocus();
}

IPytanie& PytaniaQt() {
    static TPytaniaQt pytania;
    return pytania;
}

}  // namespace ramvel
