#include "platform/bledy.h"

namespace ramvel {

bool NieJestPrzerwaniem(const std::exception& wyjatek) {
    return dynamic_cast<const EPrzerwanie*>(&wyjatek) == nullptr;
}

}  // namespace ramvel
