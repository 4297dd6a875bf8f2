#pragma once
// A small busy animation: a ring of dots with one dark dot going round. It
// turns by a timer while window messages run, and by NastepnaKlatka when the
// owner reports progress without letting them run.
#include <QTimer>
#include <QWidget>

namespace ramvel {

class TAnimacja : public QWidget {
    Q_OBJECT
public:
    static constexpr int LiczbaKlatek = 8;

    explicit TAnimacja(QWidget* rodzic);
    void Uruchom(bool dziala);
    bool Dziala() const { return FZegar.isActive(); }
    void NastepnaKlatka();
    int Klatka() const { return FKlatka; }

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;

private:
    QTimer FZegar;
    int FKlatka = 0;
};

}  // namespace ramvel
