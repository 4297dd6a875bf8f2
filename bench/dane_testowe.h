#pragma once
// Data of the kinds a backup holds, made from a seed so that runs compare.
#include <cstddef>
#include <cstdint>
#include <string>

namespace ramvel::bench {

std::string Tekst(size_t ile, uint32_t ziarno);
// 4,096-byte pages: a header, rows of short records and numbers, free space
// as zeros, the way database files look.
std::string StronyBazy(size_t ile, uint32_t ziarno);
std::string Losowe(size_t ile, uint32_t ziarno);

}  // namespace ramvel::bench
