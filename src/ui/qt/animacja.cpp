#include "ui/qt/animacja.h"

#include <QPainter>
#include <cmath>

namespace ramvel {

TAnimacja::TAnimacja(QWidget* rodzic) : QWidget(rodzic) {
    FZegar.setInterval(100);
    connect(&FZegar, &QTimer::timeout, this, &TAnimacja::NastepnaKlatka);
}

void TAnimacja::Uruchom(bool dziala) {
    if (dziala)
        FZegar.start();
    else
        FZegar.stop();
}

void TAnimacja::NastepnaKlatka() {
    FKlatka = (FKlatka + 1) % LiczbaKlatek;
    repaint();
}

void TAnimacja::paintEvent(QPaintEvent*) {
    QPainter malarz(this);
    malarz.setRenderHint(QPainter::Antialiasing);
    const QPointF srodek(width() / 2.0, height() / 2.0);
    const double promien = std::min(width(), height()) / 2.0 - 2.0;
    const QColor kolor = palette().color(QPalette::WindowText);
    for (int i = 0; i < LiczbaKlatek; ++i) {
        const double kat = 2 * M_PI * i / LiczbaKlatek;
        // The dots fade behind the dark one, so the ring seems to turn.
        const int za = (FKlatka - i + LiczbaKlatek) % LiczbaKlatek;
        QColor kropka = kolor;
        kropka.setAlphaF(1.0 - 0.8 * za / (LiczbaKlatek - 1));
        malarz.setPen(Qt::NoPen);
        malarz.setBrush(kropka);
        malarz.drawEllipse(srodek + QPointF(promien * std::sin(kat), -promien * std::cos(kat)), 1.6, 1.6);
    }
}

}  // namespace ramvel
