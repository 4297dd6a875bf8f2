#pragma once
// A whole KVR archive read and decoded without writing anything: what
// "ramvel-archiwum test" and "lista" report, and what the fuzzer drives.
#include <cstdint>
#include <functional>

#include "archive/kvr/czytnik_kvr.h"

namespace ramvel {

// Calls `poWpisie` after each entry with its header and the number of bytes
// its blocks decoded to. Any damage (also a wrong signature or version, an end
// marker that is not 0 and a decoded total that differs from the size) raises
// EUszkodzoneArchiwum naming the volume in use.
void PrzejdzArchiwum(TCzytnikArchiwum& archiwum, const std::function<void(const TWpisKvr&, int64_t)>& poWpisie);

}  // namespace ramvel
