#include "ui/qt/front_qt.h"

#include <QApplication>

#include "platform/srodowisko.h"
#include "ui/qt/okno_komunikat.h"
#include "ui/qt/okno_pytanie.h"
#include "ui/qt/postep_op.h"
#include "ui/qt/zdarzenia_qt.h"
#include "ui/zdarzenia_okien.h"
#include "ui/qt/sel_dir.h"
#include "ui/wybor_katalogu.h"
#include "ui/okno_bledu_bazy.h"
#include "ui/qt/ib_error_wnd.h"
#include "ui/qt/okna_paka_qt.h"

namespace ramvel {

void InstalujFrontQt() {
    static TKomunikatyQt komunikaty;
    UstawKomunikaty(&komunikaty);
    UstawSygnalDzwiekowy([](uint32_t) { QApplication::beep(); });
    UstawPostepy(&PostepyQt());
    UstawPytania(&PytaniaQt());
    static TZdarzeniaQt zdarzenia;
    UstawZdarzeniaOkien(&zdarzenia);
    static TWyborKataloguQt wyborKatalogu;
    UstawWyborKatalogu(&wyborKatalogu);
    UstawOknoBleduBazy(&OknoBleduBazyQt());
    UstawOknaPaka(&OknaPakaQt());
}

}  // namespace ramvel
