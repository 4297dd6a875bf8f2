#pragma once
// The mouse cursor of the program, as the front end shows it.
namespace ramvel {

enum class TKursor { Normalny, Klepsydra, StrzalkaZKlepsydra };

class IKursor {
public:
    virtual ~IKursor() = default;
    virtual void Ustaw(TKursor kursor) = 0;
    virtual TKursor Biezacy() const = 0;
};

// The front end's cursor; a plain record of the last setting until a window
// system installs its own.
IKursor& Kursor();
IKursor* UstawKursor(IKursor* kursor);

}  // namespace ramvel
