#include "ui/qt/postep_op.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <climits>

#include "ui/qt/animacja.h"

namespace ramvel {
namespace {

QProgressBar* NowyPasek(QWidget* rodzic, const QRect& miejsce) {
    auto* pasek = new QProgressBar(rodzic);
    pasek->setGeometry(miejsce);
    pasek->setRange(0, 100);
    pasek->setValue(0);
    pasek->setTextVisible(false);
    return pasek;
}

class TPostepyQt : public IPostepy {
public:
    std::unique_ptr<IPostep> Utworz(const std::string& tekst, int64_t maksGlowny, int64_t maksDodatkowy,
                                    bool przerywalny, bool animacja, const std::string& tytul) override {
        return std::make_unique<TfPostepOp>(tekst, maksGlowny, maksDodatkowy, przerywalny, animacja, tytul);
    }
};

}  // namespace

TfPostepOp::TfPostepOp(const std::string& tekst, int64_t maksGlowny, int64_t maksDodatkowy, bool przerywalny,
                       bool animacja, const std::string& tytul, QWidget* wlasciciel)
    : QWidget(wlasciciel, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QString::fromUtf8(TYTUL_POSTEPU));
    setFixedSize(SzerokoscKlienta, 103);

    Panel = new QFrame(this);
    Panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel->setGeometry(rect());

    L_Opis = new QLabel(QStringLiteral("Tytuł"), Panel);
    L_Opis->setGeometry(48, 9, 292, 32);
    L_Opis->setWordWrap(true);
    L_Opis->setTextFormat(Qt::PlainText);
    L_Opis->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont czcionkaOpisu = L_Opis->font();
    czcionkaOpisu.setPixelSize(12);
    L_Opis->setFont(czcionkaOpisu);

    Animate1 = new TAnimacja(Panel);
    Animate1->setGeometry(12, 11, 16, 16);

    Image1 = new QLabel(Panel);
    Image1->setGeometry(9, 9, 32, 32);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    Image1->hide();

    Bevel2 = new QFrame(Panel);
    Bevel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Bevel2->setGeometry(9, 49, 333, 14);

    PB_main1 = NowyPasek(Panel, QRect(10, 50, 331, 12));
    PB_main2 = NowyPasek(Panel, QRect(176, 50, 164, 12));
    PB_main2->hide();

    BB_Przerwij = new QPushButton(QStringLiteral("Przerwij"), Panel);
    BB_Przerwij->setGeometry(138, 68, 75, 25);
    BB_Przerwij->hide();
    connect(BB_Przerwij, &QPushButton::clicked, this, &TfPostepOp::Przerwij);

    UstawTekst(tekst);
    UstawPrzerywalny(przerywalny);
    FAnimacja = animacja;
    UstawMaks(maksGlowny);
    UstawMaksDodatkowy(maksDodatkowy);
    if (!tytul.empty())
        setWindowTitle(QString::fromStdString(tytul));
}

void TfPostepOp::UstawTekst(const std::string& tekst) {
    L_Opis->setText(QString::fromStdString(tekst));
    // The operation keeps the event loop waiting: paint now, or the text would
    // show only after it ends. The same goes for the animation.
    L_Opis->repaint();
    if (!Animate1->isHidden())
        Animate1->NastepnaKlatka();
}

int TfPostepOp::NaPasek(int64_t wartosc) const {
    return static_cast<int>(std::clamp<int64_t>(wartosc / FSkala, 0, INT_MAX));
}

void TfPostepOp::UstawPozycje(int64_t pozycja) {
    // A position past the end fills the bar (QProgressBar would ignore it).
    PB_main1->setValue(std::min(NaPasek(pozycja), PB_main1->maximum()));
}

void TfPostepOp::UstawMaks(int64_t maks) {
    FSkala = maks > INT_MAX ? maks / INT_MAX + 1 : 1;
    PB_main1->setMaximum(NaPasek(maks));
    const bool pasek = maks > 0;
    PB_main1->setVisible(pasek);
    Bevel2->setVisible(pasek);
    const bool animacja = !pasek || FAnimacja;
    Animate1->setVisible(animacja);
    Animate1->Uruchom(animacja);
    Image1->setVisible(!animacja);
    UstawWysokosc();
}

void TfPostepOp::UstawMaksDodatkowy(int64_t maks) {
    PB_main2->setMaximum(static_cast<int>(std::clamp<int64_t>(maks, 0, INT_MAX)));
    PB_main2->setVisible(maks > 0);
    PB_main1->resize(maks > 0 ? 164 : 331, PB_main1->height());
    PB_main1->repaint();
    L_Opis->repaint();
}

void TfPostepOp::UstawPrzerywalny(bool przerywalny) {
    FPrzerywalny = przerywalny;
    BB_Przerwij->setVisible(przerywalny);
    UstawWysokosc();
}

void TfPostepOp::UstawWysokosc() {
    const int wysokosc = FPrzerywalny          ? WysokoscPrzerywalnego
                         : !PB_main1->isHidden() ? WysokoscZPaskiem
                                                 : WysokoscBezPaska;
    setFixedSize(SzerokoscKlienta, wysokosc - Ramka);
    Panel->setGeometry(rect());
}

void TfPostepOp::Pokaz() {
    if (isHidden()) {
        if (QScreen* ekran = screen())
            move(ekran->availableGeometry().center() - rect().center());
        show();
        raise();
        // Unlike the system this was drawn for, an X11 window is mapped and
        // exposed through the event queue; without one pass over it nothing
        // shows until the operation ends. User input stays queued.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    repaint();
}

void TfPostepOp::Zamknij() { hide(); }

void TfPostepOp::keyPressEvent(QKeyEvent* zdarzenie) {
    if (zdarzenie->key() == Qt::Key_Escape) {
        Przerwij();
        return;
    }
    QWidget::keyPressEvent(zdarzenie);
}

void TfPostepOp::closeEvent(QCloseEvent* zdarzenie) {
    // The window has no close box, but a window manager closes any window on
    // request: take that for Escape rather than losing the window unasked.
    if (zdarzenie->spontaneous()) {
        zdarzenie->ignore();
        Przerwij();
        return;
    }
    QWidget::closeEvent(zdarzenie);
}

void TfPostepOp::Przerwij() {
    // The question runs its own event loop: a second Escape meanwhile must not
    // ask again on top of it.
    if (FPrzerwano || FPytaOPrzerwanie)
        return;
    FPytaOPrzerwanie = true;
    const bool przerwac = PotwierdzPrzerwanie();
    FPytaOPrzerwanie = false;
    if (przerwac) {
        FPrzerwano = true;
        Zamknij();
    }
}

IPostepy& PostepyQt() {
    static TPostepyQt postepy;
    return postepy;
}

}  // namespace ramvel
