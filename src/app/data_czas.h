#pragma once
// The program's date-time (days since 1899-12-30, the fraction the time of
// day) and its text in the user's regional settings.
#include <QLocale>

#include <optional>
#include <string>

namespace ramvel {

// nullopt when the date or time does not exist (year 1..9999, hour 0..23,
// minute 0..59). Before 1899-12-30 the day count is negative and the time of
// day is subtracted, so the fraction keeps meaning the time of day.
std::optional<double> KodujDateCzas(int rok, int miesiac, int dzien, int godzina, int minuta);

// The user's regional settings, as Qt reads them from LC_ALL, LC_TIME and LANG.
QLocale RegionUzytkownika();

// The short date, a blank and the long time; the time is left out at exactly
// midnight. The long time is the region's without its time zone, which the
// clock of a backup never carried.
std::string TekstDatyCzasu(double czas, const QLocale& region = RegionUzytkownika());

}  // namespace ramvel
