#pragma once
// The database backups the restores start from: .gbk files that gbak made,
// through the server, of small databases created for that. Each is made once
// per test program and kept in memory.
#include <string>
#include <vector>

namespace ramvel::testy {

// What a restored company database holds.
inline constexpr const char* kDaneFirmy = "dane z kopii firmy";

// A company database: PLATFORMA with an old row (the restore puts the
// server's version there), BLOKADA, and DANE with one row kDaneFirmy.
const std::string& KopiaBazyFirmy();
// The same with 5000 rows more in BLOKADA, large enough to be cut in half.
const std::string& DuzaKopiaBazyFirmy();
// A system database as the backup carries it: the company FIRMA (number 5,
// "Firma z kopii") and one user.
const std::string& KopiaBazySystemowej();

// The system database of an installation: FIRMA, GEN_FIRMA (at 10),
// UZYTKOWNIK with users 1, 2 and 3, PRAWODOFIRMY, and the company INNA
// (number 10, "Inna firma") with a right for user 1. `dodatkowe` statements
// run after these.
std::vector<std::string> DdlBazySystemowej(const std::vector<std::string>& dodatkowe = {});

}  // namespace ramvel::testy
