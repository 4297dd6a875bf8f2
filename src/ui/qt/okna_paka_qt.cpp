#include "ui/qt/okna_paka_qt.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/srodowisko.h"

namespace ramvel {
namespace {

QString Q(const std::string& tekst) { return QString::fromUtf8(tekst.data(), static_cast<qsizetype>(tekst.size())); }

QLabel* Etykieta(QWidget* rodzic, const char* nazwa, const QString& tekst, const QRect& miejsce) {
    auto* etykieta = new QLabel(tekst, rodzic);
    etykieta->setObjectName(nazwa);
    etykieta->setGeometry(miejsce);
    return etykieta;
}

QProgressBar* Pasek(QWidget* rodzic, const char* nazwa, const QRect& miejsce) {
    auto* pasek = new QProgressBar(rodzic);
    pasek->setObjectName(nazwa);
    pasek->setGeometry(miejsce);
    pasek->setRange(0, 100);
    pasek->setValue(0);
    pasek->setTextVisible(false);
    return pasek;
}

void Wysrodkuj(QWidget* okno) {
    if (const QScreen* ekran = okno->screen())
        okno->move(ekran->availableGeometry().center() - okno->rect().center());
}

// A bar whose maximum is 0 would turn into Qt's busy indicator.
void UstawPasek(QProgressBar* pasek, int pozycja, int maksimum) {
    pasek->setRange(0, maksimum > 0 ? maksimum : 1);
    pasek->setValue(maksimum > 0 ? pozycja : 0);
    pasek->repaint();
}

void UstawEtykiete(QLabel* etykieta, const std::string& tekst) {
    etykieta->setText(Q(tekst));
    etykieta->repaint();
}

class TOknoPostepuQt : public IOknoPostepuPaka {
public:
    TOknoPostepuQt() {
        FOkno.show();
        FOkno.repaint();
    }
    void UstawTytul(const std::string& tytul) override { FOkno.setWindowTitle(Q(tytul)); }
    void UstawNazwePliku(const std::string& nazwa) override { UstawEtykiete(FOkno.L_fileName, nazwa); }
    void UstawPasekPliku(int pozycja, int maksimum) override { UstawPasek(FOkno.PB_file, pozycja, maksimum); }
    void UstawPasekCalosci(int pozycja, int maksimum) override { UstawPasek(FOkno.PB_all, pozycja, maksimum); }
    void UstawProcent(const std::string& tekst) override { UstawEtykiete(FOkno.L_proc, tekst); }
    void UstawCzasOdPoczatku(const std::string& tekst) override { UstawEtykiete(FOkno.L_elapsed, tekst); }
    void UstawCzasDoKonca(const std::string& tekst) override { UstawEtykiete(FOkno.L_estimated, tekst); }
    void UstawCzasCalkowity(const std::string& tekst) override { UstawEtykiete(FOkno.L_all, tekst); }
    bool Anulowano() override {
        // The engine never yields; a click on Anuluj arrives here, at most
        // twenty times a second so that the extraction keeps its pace.
        const uint32_t teraz = LicznikMs();
        if (teraz - FOstatnio >= 50) {
            FOstatnio = teraz;
            QCoreApplication::processEvents();
        }
        return FOkno.Anulowano;
    }

private:
    TfwinPak FOkno;
    uint32_t FOstatnio = LicznikMs();
};

class TOknaPakaQt : public IOknaPaka {
public:
    std::unique_ptr<IOknoPostepuPaka> OtworzPostep() override { return std::make_unique<TOknoPostepuQt>(); }
    void PokazListeBledow(const std::vector<std::string>& linie) override {
        TfwinPakError okno(linie);
        okno.exec();
    }
};

}  // namespace

TfwinPak::TfwinPak(QWidget* rodzic)
    : QDialog(rodzic, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("fwinPak");
    setFixedSize(413, 139);
    Label1 = Etykieta(this, "Label1", "Plik:", {8, 8, 40, 16});
    L_fileName = Etykieta(this, "L_fileName", "---", {48, 8, 357, 16});
    PB_file = Pasek(this, "PB_file", {8, 28, 397, 16});
    Label3 = Etykieta(this, "Label3", "Czas od począkku:", {8, 52, 190, 16});
    L_elapsed = Etykieta(this, "L_elapsed", "00:00:00", {200, 52, 80, 16});
    Label5 = Etykieta(this, "Label5", "Przewidywany czas do końca:", {8, 70, 190, 16});
    L_estimated = Etykieta(this, "L_estimated", "00:00:00", {200, 70, 80, 16});
    Label7 = Etykieta(this, "Label7", "Przewidywany czas całkowity:", {8, 88, 190, 16});
    L_all = Etykieta(this, "L_all", "00:00:00", {200, 88, 80, 16});
    L_proc = Etykieta(this, "L_proc", "00 %", {320, 88, 85, 16});
    L_proc->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    PB_all = Pasek(this, "PB_all", {8, 112, 397, 18});
    auto* przycisk = new QPushButton("Anuluj", this);
    przycisk->setObjectName("Button1");
    przycisk->setGeometry(320, 54, 85, 26);
    connect(przycisk, &QPushButton::clicked, this, [this] { Anulowano = true; });
    Wysrodkuj(this);
}

void TfwinPak::closeEvent(QCloseEvent* zdarzenie) { zdarzenie->ignore(); }

TfwinPakError::TfwinPakError(const std::vector<std::string>& linie, QWidget* rodzic) : QDialog(rodzic) {
    setObjectName("fwinPakError");
    setWindowTitle("Błędy - Komunikaty");
    resize(456, 306);
    auto* uklad = new QVBoxLayout(this);
    auto* memo = new QPlainTextEdit(this);
    memo->setObjectName("Memo1");
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QString tekst;
    for (size_t i = 0; i < linie.size(); ++i)
        tekst += (i ? "\n" : "") + Q(linie[i]);
    memo->setPlainText(tekst);
    uklad->addWidget(memo, 1);
    auto* dol = new QHBoxLayout;
    dol->addStretch(1);
    auto* przycisk = new QPushButton("Zamknij", this);
    przycisk->setObjectName("Button1");
    connect(przycisk, &QPushButton::clicked, this, &QDialog::accept);
    dol->addWidget(przycisk);
    uklad->addLayout(dol);
    Wysrodkuj(this);
}

IOknaPaka& OknaPakaQt() {
    static TOknaPakaQt okna;
    return okna;
}

}  // namespace ramvel
