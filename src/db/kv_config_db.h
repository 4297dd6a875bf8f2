#pragma once
// A database property changed through the service manager: the write mode.
#include <string>

namespace ramvel {

class TkvConfigDb {
public:
    std::string PlikBazy;     // the database file, with or without its extension
    // The directory of that file; '' means DATABASE_DIR of baza.set. A database
    // restored elsewhere must name its own directory here, or the change would
    // land on the file of the same name in the database directory.
    std::string KatalogBazy;

    // Synchronous (forced) writes on or off; waits until the server is done.
    // EBladFirebird on failure; the service is detached on every way out.
    void UstawTrybZapisu(bool synchroniczny);
};

// The database name UstawTrybZapisu sends: `katalog` joined with `plikBazy`,
// with `rozszerzenie` appended when the name does not contain it.
std::string NazwaBazyDoKonfiguracji(const std::string& katalog, const std::string& plikBazy,
                                    const std::string& rozszerzenie);

// The start request: isc_action_svc_properties, the database name, the write
// mode item and isc_spb_prp_wm_sync or _async.
std::string ZadanieTrybuZapisu(const std::string& nazwaBazy, bool synchroniczny);

}  // namespace ramvel
