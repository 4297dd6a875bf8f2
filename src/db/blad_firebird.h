#pragma once
// The failure of a Firebird client call, with the server's own text.
#include <ibase.h>

#include <cstdint>
#include <string>

#include "platform/bledy.h"

namespace ramvel {

// The text of a status vector: the SQL code's meaning, then every message of
// the vector, one line each, every line ending with "\r\n" (the error window
// counts and parses these lines). UTF-8.
std::string TekstBleduFirebird(const ISC_STATUS* status);

class EBladFirebird : public EBlad {
public:
    // From the status vector of a failed client call.
    explicit EBladFirebird(const ISC_STATUS* status);
    // A failure the connection layer finds itself: KodBledu 0.
    EBladFirebird(const std::string& tresc, int32_t kodSQL = 0, int32_t kodBledu = 0);

    int32_t KodSQL;    // isc_sqlcode of the vector
    int32_t KodBledu;  // the first Firebird error code, e.g. 335544472
    // True when any code of the vector equals `kod` (not only the first).
    bool ZawieraKod(int32_t kod) const;

private:
    std::string FKody;  // every error code of the vector, for ZawieraKod
};

// Raises EBladFirebird when the status vector reports an error.
void SprawdzStatus(const ISC_STATUS* status);

}  // namespace ramvel
