#include "app/obsluga.h"

#include "platform/bledy.h"
#include "ui/komunikaty.h"

namespace ramvel {

bool ObsluzZdarzenie(const std::function<void()>& akcja) {
    try {
        akcja();
        return true;
    } catch (const EPrzerwanie&) {
        return false;
    } catch (const std::exception& blad) {
        KomunikatBlad(blad.what());
        return false;
    }
}

}  // namespace ramvel
