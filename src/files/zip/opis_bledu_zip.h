#pragma once
// The user's text for an extraction's error code.
#include <cstdint>
#include <string>

namespace ramvel {

// Writes the text of `kod` into `tekst`; for a code without a text `tekst` is
// left as it was.
void OpisBleduZip(int32_t kod, std::string& tekst);

// The text of `kod`, or '' when it has none.
std::string OpisBleduZip(int32_t kod);

}  // namespace ramvel
