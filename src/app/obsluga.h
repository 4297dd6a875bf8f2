#pragma once
// The top of every user action: the silent abort ends it without a word, any
// other failure is shown once with KomunikatBlad.
#include <functional>

namespace ramvel {

// Returns false when the action ended with an exception.
bool ObsluzZdarzenie(const std::function<void()>& akcja);

}  // namespace ramvel
