#pragma once
// The progress window of a long operation, as a small tool window that stays
// on screen while the operation runs inside the handler that started it.
#include <QWidget>

#include "ui/postep.h"

class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;

namespace ramvel {

class TAnimacja;

class TfPostepOp : public QWidget, public IPostep {
    Q_OBJECT
public:
    // Window heights with the caption and borders, by what the window holds.
    static constexpr int WysokoscPrzerywalnego = 130;
    static constexpr int WysokoscZPaskiem = 98;
    static constexpr int WysokoscBezPaska = 77;
    // The caption and borders of the tool window those heights were drawn with
    // (outer 130 around a client of 103). The window manager draws its own
    // frame; the client keeps the height its controls were placed in.
    static constexpr int Ramka = 130 - 103;
    static constexpr int SzerokoscKlienta = 351;

    TfPostepOp(const std::string& tekst, int64_t maksGlowny, int64_t maksDodatkowy, bool przerywalny,
               bool animacja, const std::string& tytul, QWidget* wlasciciel = nullptr);

    void UstawTekst(const std::string& tekst) override;
    void UstawPozycje(int64_t pozycja) override;
    void UstawMaks(int64_t maks) override;
    void UstawMaksDodatkowy(int64_t maks) override;
    void UstawPrzerywalny(bool przerywalny) override;
    void Pokaz() override;
    void Zamknij() override;
    bool Przerwano() const override { return FPrzerwano; }

    // The outer height the window stands for: 130, 98 or 77.
    int Wysokosc() const { return height() + Ramka; }

    QFrame* Panel;
    QLabel* L_Opis;
    TAnimacja* Animate1;
    QLabel* Image1;
    QFrame* Bevel2;
    QProgressBar* PB_main1;
    QProgressBar* PB_main2;
    QPushButton* BB_Przerwij;

protected:
    void keyPressEvent(QKeyEvent* zdarzenie) override;
    void closeEvent(QCloseEvent* zdarzenie) override;

private:
    void UstawWysokosc();
    void Przerwij();
    // A bar holds an int: larger counts are scaled down to fit.
    int NaPasek(int64_t wartosc) const;

    bool FPrzerywalny = false;
    bool FPrzerwano = false;
    bool FAnimacja = false;
    bool FPytaOPrzerwanie = false;
    int64_t FSkala = 1;  // units of the main count per step of PB_main1
};

// Makes TfPostepOp windows with no owner.
IPostepy& PostepyQt();

}  // namespace ramvel
