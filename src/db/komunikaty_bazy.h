#pragma once
// The translation tables of the database error window. They are data
// (src/db/dane/*.txt), compiled into the program.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ramvel {

struct TKomunikatKodu {
    enum class TRodzaj : uint8_t { Tekst, Szablon, Regula };
    TRodzaj Rodzaj = TRodzaj::Tekst;
    std::string Polski;     // the text, or the Polish template
    std::string Angielski;  // the English template (Szablon only)
};

// The row of a Firebird error code; nullopt for a code not in the table.
std::optional<TKomunikatKodu> KomunikatKodu(int32_t kod);
// Every code of the table, in table order.
std::vector<int32_t> KodyTabeli();

// Sentences by name (upper case, compared exactly); '' when there is no row.
// A foreign-key constraint:
std::string KomunikatOgraniczenia(const std::string& nazwa);
// A primary-key or unique index:
std::string KomunikatIndeksu(const std::string& nazwa);
// A database exception:
std::string KomunikatWyjatku(const std::string& nazwa);

// The names of each table, in table order (for the tests of the data).
std::vector<std::string> NazwyOgraniczen();
std::vector<std::string> NazwyIndeksow();
std::vector<std::string> NazwyWyjatkow();

}  // namespace ramvel
