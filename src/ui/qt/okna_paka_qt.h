#pragma once
// The archive engine's windows in Qt: the progress window TfwinPak and the
// error list TfwinPakError. Controls carry their names as object names.
#include <QDialog>

#include "ui/okna_paka.h"

class QLabel;
class QProgressBar;

namespace ramvel {

class TfwinPak : public QDialog {
    Q_OBJECT
public:
    explicit TfwinPak(QWidget* rodzic = nullptr);
    bool Anulowano = false;

    QLabel* Label1;
    QLabel* L_fileName;
    QProgressBar* PB_file;
    QLabel* Label3;
    QLabel* L_elapsed;
    QLabel* Label5;
    QLabel* L_estimated;
    QLabel* Label7;
    QLabel* L_all;
    QLabel* L_proc;
    QProgressBar* PB_all;

protected:
    // No close box and no Esc: only Anuluj asks to stop.
    void reject() override {}
    void closeEvent(QCloseEvent* zdarzenie) override;
};

class TfwinPakError : public QDialog {
    Q_OBJECT
public:
    explicit TfwinPakError(const std::vector<std::string>& linie, QWidget* rodzic = nullptr);
};

// The Qt implementation of IOknaPaka; InstalujFrontQt installs it.
IOknaPaka& OknaPakaQt();

}  // namespace ramvel
