#pragma once
// Who every attachment of the data layer logs in as, and how a local
// attachment is kept away from an engine inside our own process.
#include <string>

namespace ramvel {

// The database user of every attachment, to a database or to the service manager.
inline constexpr const char* kUzytkownikBazy = "SYSKVR";

// The environment variable that may hold the password.
inline constexpr const char* kZmiennaHaslaBazy = "RAMVEL_HASLO_BAZY";
// The password file beside baza.set.
inline constexpr const char* kPlikHaslaBazy = "haslo_bazy";

// The password of SYSKVR: ten upper-case hexadecimal digits, from
// RAMVEL_HASLO_BAZY or else from the file haslo_bazy in `katalog` (the
// directory of baza.set; '' means the program directory). The file must be
// readable by its owner only. Raises EBlad with a Polish message when there is
// no password, the file can be read by others, or the text has another form.
// The password itself never appears in a message.
std::string HasloBazy(const std::string& katalog = "");

// On Linux the client library opens a database named without a host with an
// engine inside the calling process (as the calling user, no password check,
// files the server cannot open). Sent with every attachment (isc_dpb_config,
// and isc_spb_config for services), this leaves the client only the two
// providers that talk to a server: "host:path" forms go over the network, a
// plain path goes to the server on this machine.
inline constexpr const char* kKonfiguracjaKlienta = "Providers=Remote,Loopback";

}  // namespace ramvel
