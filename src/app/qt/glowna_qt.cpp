#include "app/qt/glowna_qt.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>

#include "app/glowna.h"
#include "app/obsluga.h"
#include "platform/srodowisko.h"

namespace ramvel {
namespace {

constexpr int kSzerokosc = 390;

QString Q(const std::string& tekst) { return QString::fromStdString(tekst); }

QFont CzcionkaArial(int piksele) {
    QFont czcionka = QApplication::font();
    czcionka.setPixelSize(piksele);
    return czcionka;
}

void UstawTekstBezSygnalu(QLineEdit* pole, const std::string& tekst) {
    if (pole->text() != Q(tekst))
        pole->setText(Q(tekst));
}

void UstawListe(QComboBox* lista, const std::vector<std::string>& elementy, int wybrany) {
    QStringList nowe;
    for (const auto& e : elementy)
        nowe << Q(e);
    QStringList stare;
    for (int i = 0; i < lista->count(); ++i)
        stare << lista->itemText(i);
    if (nowe != stare) {
        lista->clear();
        lista->addItems(nowe);
    }
    lista->setCurrentIndex(wybrany);
}

}  // namespace

TfGlowna::TfGlowna() : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName("fGlowna");
    ZbudujStrone1();
    ZbudujStrone2();
    FLogika = std::make_unique<TGlowna>(*this, PlikUstawien());
    if (const QScreen* ekran = QApplication::primaryScreen())
        move(ekran->geometry().center() - QPoint(kSzerokosc / 2, FLogika->Forma().Wysokosc / 2));
}

TfGlowna::~TfGlowna() = default;

void TfGlowna::Obsluz(const std::function<void()>& akcja) {
    if (!FOdswiezanie)
        ObsluzZdarzenie(akcja);
}

void TfGlowna::ZbudujStrone1() {
    panRodzKopii = new QWidget(this);
    panRodzKopii->setObjectName("panRodzKopii");
    panRodzKopii->setGeometry(0, 0, kSzerokosc, kWysokoscPanRodzKopii);

    auto* grupa = new QGroupBox(QString::fromUtf8(" Odtwórz z kopii "), panRodzKopii);
    grupa->setObjectName("rgRodzKopii");
    grupa->setGeometry(52, 8, 328, 108);
    rgRodzKopii = new QButtonGroup(this);
    const char* elementy[] = {"na dyskietce", "automatycznej", "w innej lokalizacji"};
    const QStyle::StandardPixmap obrazki[] = {QStyle::SP_DriveFDIcon, QStyle::SP_DriveHDIcon, QStyle::SP_DirOpenIcon};
    for (int i = 0; i < 3; ++i) {
        auto* element = new QRadioButton(QString::fromUtf8(elementy[i]), grupa);
        element->setGeometry(14, 24 + i * 26, 300, 20);
        rgRodzKopii->addButton(element, i);
        imgKopia[i] = new QLabel(panRodzKopii);
        imgKopia[i]->setPixmap(style()->standardIcon(obrazki[i]).pixmap(32, 32));
        imgKopia[i]->setGeometry(10, 16 + i * 26, 32, 32);
    }
    connect(rgRodzKopii, &QButtonGroup::idClicked, this, [this](int id) { Obsluz([&] { FLogika->rgRodzKopiiClick(id); }); });

    edPathInnaLok = new QLineEdit(panRodzKopii);
    edPathInnaLok->setObjectName("edPathInnaLok");
    edPathInnaLok->setFont(CzcionkaArial(12));
    edPathInnaLok->setGeometry(52, 124, 304, 22);
    edPathInnaLok->installEventFilter(this);
    connect(edPathInnaLok, &QLineEdit::textEdited, this, [this](const QString& t) { FLogika->Forma().PathInnaLok = t.toStdString(); });
    slbtnInnaLok = new QToolButton(panRodzKopii);
    slbtnInnaLok->setText("...");
    slbtnInnaLok->setGeometry(358, 124, 22, 22);
    connect(slbtnInnaLok, &QToolButton::clicked, this, [this] { Obsluz([&] { FLogika->slbtnInnaLokClick(); }); });

    btnStart = new QPushButton("Start", panRodzKopii);
    btnStart->setGeometry(212, 154, 80, 25);
    btnStart->setDefault(true);
    connect(btnStart, &QPushButton::clicked, this, [this] { Obsluz([&] { FLogika->btnStartClick(); }); });
    btnAnuluj = new QPushButton(QString::fromUtf8("Wyjście"), panRodzKopii);
    btnAnuluj->setGeometry(300, 154, 80, 25);
    connect(btnAnuluj, &QPushButton::clicked, this, [this] { Obsluz([&] { FLogika->btnAnulujClick(); }); });
}

void TfGlowna::ZbudujStrone2() {
    panOdtworz = new QWidget(this);
    panOdtworz->setObjectName("panOdtworz");
    panOdtworz->setGeometry(0, 0, kSzerokosc, kWysokoscStrony2);

    auto* labZnalezioneKopie = new QLabel("Znalezione kopie firm", panOdtworz);
    labZnalezioneKopie->setGeometry(10, 6, 370, 16);
    cmbKopie = new QComboBox(panOdtworz);
    cmbKopie->setObjectName("cmbKopie");
    cmbKopie->setFont(CzcionkaArial(12));
    cmbKopie->setGeometry(10, 22, 370, 24);
    connect(cmbKopie, &QComboBox::activated, this, [this](int i) { Obsluz([&] { FLogika->cmbKopieChange(i); }); });

    auto* labDataCzasKopii = new QLabel("Data i czas wykonania kopii", panOdtworz);
    labDataCzasKopii->setGeometry(10, 50, 370, 16);
    cmbDataKopii = new QComboBox(panOdtworz);
    cmbDataKopii->setObjectName("cmbDataKopii");
    cmbDataKopii->setFont(CzcionkaArial(12));
    cmbDataKopii->setGeometry(10, 66, 370, 24);
    connect(cmbDataKopii, &QComboBox::activated, this, [this](int i) { Obsluz([&] { FLogika->cmbDataKopiiChange(i); }); });

    auto* gbDaneKopii = new QGroupBox(" Dane o kopii ", panOdtworz);
    gbDaneKopii->setGeometry(10, 96, 370, 176);
    const char* podpisy[] = {"Identyfikator", "Opis firmy", "Data i czas", "Ilość dyskietek", "Dane licencji", "Dane programu"};
    QLabel** wartosci[] = {&labIdent, &labOpis, &labDataCzas, &labIlDysk, &L_DaneLic, &L_DaneProg};
    const char* nazwy[] = {"labIdent", "labOpis", "labDataCzas", "labIlDysk", "L_DaneLic", "L_DaneProg"};
    QFont pogrubiona = QApplication::font();
    pogrubiona.setBold(true);
    for (int i = 0; i < 6; ++i) {
        auto* podpis = new QLabel(QString::fromUtf8(podpisy[i]), gbDaneKopii);
        podpis->setGeometry(10, 20 + i * 21, 100, 18);
        *wartosci[i] = new QLabel(gbDaneKopii);
        (*wartosci[i])->setObjectName(nazwy[i]);
        (*wartosci[i])->setFont(pogrubiona);
        (*wartosci[i])->setGeometry(112, 20 + i * 21, 250, 18);
    }
    cbAccept = new QCheckBox(QString::fromUtf8("Tak, chcę odtworzyć kopię tej firmy"), gbDaneKopii);
    cbAccept->setObjectName("cbAccept");
    cbAccept->setGeometry(10, 150, 350, 20);
    connect(cbAccept, &QCheckBox::toggled, this, [this](bool z) { Obsluz([&] { FLogika->cbAcceptClick(z); }); });

    auto* gbRozpakuj = new QGroupBox(" Rozpakuj do katalogu ", panOdtworz);
    gbRozpakuj->setGeometry(10, 278, 370, 84);
    rbRozpakDoFirmy = new QRadioButton("Firmy", gbRozpakuj);
    rbRozpakDoFirmy->setGeometry(10, 22, 100, 20);
    connect(rbRozpakDoFirmy, &QRadioButton::clicked, this, [this] { Obsluz([&] { FLogika->rbRozpakDoFirmyClick(); }); });
    rpRozpakWInne = new QRadioButton("W inne miejsce", gbRozpakuj);
    rpRozpakWInne->setGeometry(10, 50, 120, 20);
    connect(rpRozpakWInne, &QRadioButton::clicked, this, [this] { Obsluz([&] { FLogika->rpRozpakWInneClick(); }); });
    edPathRozpakuj = new QLineEdit(gbRozpakuj);
    edPathRozpakuj->setObjectName("edPathRozpakuj");
    edPathRozpakuj->setFont(CzcionkaArial(12));
    edPathRozpakuj->setGeometry(132, 49, 202, 22);
    edPathRozpakuj->installEventFilter(this);
    connect(edPathRozpakuj, &QLineEdit::textEdited, this, [this](const QString& t) { FLogika->Forma().PathRozpakuj = t.toStdString(); });
    slBtnRozpakuj = new QToolButton(gbRozpakuj);
    slBtnRozpakuj->setText("...");
    slBtnRozpakuj->setGeometry(336, 49, 22, 22);
    connect(slBtnRozpakuj, &QToolButton::clicked, this, [this] { Obsluz([&] { FLogika->slBtnRozpakujClick(); }); });

    btnCofnij = new QPushButton(QString::fromUtf8("Wróć"), panOdtworz);
    btnCofnij->setGeometry(124, 376, 80, 25);
    connect(btnCofnij, &QPushButton::clicked, this, [this] { Obsluz([&] { FLogika->btnCofnijClick(); }); });
    btnOdtworz = new QPushButton(QString::fromUtf8("Odtwórz"), panOdtworz);
    btnOdtworz->setObjectName("btnOdtworz");
    btnOdtworz->setGeometry(212, 376, 80, 25);
    btnOdtworz->setDefault(true);
    connect(btnOdtworz, &QPushButton::clicked, this, [this] { Obsluz([&] { FLogika->btnOdtworzClick(); }); });
    btnWyjscie = new QPushButton(QString::fromUtf8("Wyjście"), panOdtworz);
    btnWyjscie->setGeometry(300, 376, 80, 25);
    connect(btnWyjscie, &QPushButton::clicked, this, [this] { Obsluz([&] { FLogika->btnAnulujClick(); }); });
}

void TfGlowna::Odswiez(const TFormaGlowna& f) {
    FOdswiezanie = true;
    setWindowTitle(Q(f.Tytul));
    panRodzKopii->setVisible(f.Strona == 1);
    panOdtworz->setVisible(f.Strona == 2);
    setFixedSize(kSzerokosc, f.Wysokosc);

    if (auto* element = rgRodzKopii->button(f.RodzKopii))
        element->setChecked(true);
    for (int i = 0; i < 3; ++i)
        imgKopia[i]->setVisible(i == f.RodzKopii);
    UstawTekstBezSygnalu(edPathInnaLok, f.PathInnaLok);
    edPathInnaLok->setVisible(f.PathInnaLokWidoczna);
    slbtnInnaLok->setVisible(f.PathInnaLokWidoczna);

    UstawListe(cmbKopie, f.Firmy, f.WybranaFirma);
    UstawListe(cmbDataKopii, f.Kopie, f.WybranaKopia);
    labIdent->setText(Q(f.Ident));
    labOpis->setText(Q(f.Opis));
    labDataCzas->setText(Q(f.DataCzas));
    labIlDysk->setText(Q(f.IlDysk));
    L_DaneLic->setText(Q(f.DaneLic));
    L_DaneProg->setText(Q(f.DaneProg));
    cbAccept->setChecked(f.Akceptacja);
    rbRozpakDoFirmy->setChecked(f.RozpakDoFirmy);
    rpRozpakWInne->setChecked(!f.RozpakDoFirmy);
    UstawTekstBezSygnalu(edPathRozpakuj, f.PathRozpakuj);
    edPathRozpakuj->setVisible(f.PathRozpakujWidoczna);
    slBtnRozpakuj->setVisible(f.PathRozpakujWidoczna);
    btnCofnij->setEnabled(!f.PrzyciskiZablokowane);
    btnOdtworz->setEnabled(!f.PrzyciskiZablokowane);
    btnWyjscie->setEnabled(!f.PrzyciskiZablokowane);
    FOdswiezanie = false;
    // The flows run long inside one handler; show their changes now.
    repaint();
}

void TfGlowna::Zamknij() { close(); }

void TfGlowna::FokusNaPathInnaLok() { edPathInnaLok->setFocus(); }

void TfGlowna::closeEvent(QCloseEvent* zdarzenie) {
    FLogika->FormClose();
    zdarzenie->accept();
}

bool TfGlowna::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (zdarzenie->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(zdarzenie)->key() == Qt::Key_F6) {
        if (obiekt == edPathInnaLok)
            slbtnInnaLok->click();
        else if (obiekt == edPathRozpakuj)
            slBtnRozpakuj->click();
        else
            return QWidget::eventFilter(obiekt, zdarzenie);
        return true;
    }
    return QWidget::eventFilter(obiekt, zdarzenie);
}

}  // namespace ramvel
