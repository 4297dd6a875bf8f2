#include "archive/narzedzie/formaty.h"

namespace ramvel::narzedzie {

const std::vector<TRodzajArchiwum>& RodzajeArchiwow() {
    static const std::vector<TRodzajArchiwum> rodzaje = {RodzajZip(), RodzajKvr()};
    return rodzaje;
}

}  // namespace ramvel::narzedzie
