#pragma once
// SHA-256 for comparing extracted files with the fixtures' manifest.
#include <string>
#include <string_view>

namespace ramvel::testy {

// Lower-case hexadecimal digest.
std::string Sha256Hex(std::string_view dane);

}  // namespace ramvel::testy
