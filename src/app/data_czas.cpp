#include "app/data_czas.h"

#include <QDate>
#include <QTime>

#include <cmath>

namespace ramvel {
namespace {

const QDate DzienZero(1899, 12, 30);
constexpr qint64 MsNaDobe = 24LL * 60 * 60 * 1000;

// The region's long time format with its time-zone fields ("t", "tt" ...)
// and the blanks they leave dropped; quoted literal text stays.
QString FormatCzasuBezStrefy(const QLocale& region) {
    const QString format = region.timeFormat(QLocale::LongFormat);
    QString wynik;
    bool wCudzyslowie = false;
    for (const QChar znak : format) {
        if (znak == u'\'')
            wCudzyslowie = !wCudzyslowie;
        if (!wCudzyslowie && znak == u't')
            continue;
        wynik += znak;
    }
    wynik = wynik.trimmed();
    while (wynik.contains(QStringLiteral("  ")))
        wynik.replace(QStringLiteral("  "), QStringLiteral(" "));
    return wynik;
}

}  // namespace

std::optional<double> KodujDateCzas(int rok, int miesiac, int dzien, int godzina, int minuta) {
    if (rok < 1 || rok > 9999 || godzina < 0 || godzina > 23 || minuta < 0 || minuta > 59)
        return std::nullopt;
    const QDate data(rok, miesiac, dzien);
    if (!data.isValid())
        return std::nullopt;
    const double dni = static_cast<double>(DzienZero.daysTo(data));
    const double czesc = (godzina * 60 + minuta) / 1440.0;
    return dni < 0 ? dni - czesc : dni + czesc;
}

QLocale RegionUzytkownika() { return QLocale::system(); }

std::string TekstDatyCzasu(double czas, const QLocale& region) {
    if (!std::isfinite(czas) || std::fabs(czas) > 3.0e6)
        czas = 0;  // beyond the years 1..9999: shown as the zero day
    const double dni = std::trunc(czas);
    qint64 ms = std::llround(std::fabs(czas - dni) * static_cast<double>(MsNaDobe));
    if (ms >= MsNaDobe)
        ms = MsNaDobe - 1;
    const QDate data = DzienZero.addDays(static_cast<qint64>(dni));
    QString tekst = region.toString(data, QLocale::ShortFormat);
    if (ms != 0)
        tekst += u' ' + region.toString(QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)),
                                        FormatCzasuBezStrefy(region));
    return tekst.toStdString();
}

}  // namespace ramvel
