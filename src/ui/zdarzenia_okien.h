#pragma once
// What a long job may ask of the front end while it runs on the one thread:
// to handle the window messages that piled up, and whether the user asked to
// stop (Escape in a window, Ctrl+C on a terminal).
namespace ramvel {

class IZdarzeniaOkien {
public:
    virtual ~IZdarzeniaOkien() = default;
    // A job that may be stopped begins and ends; between the two the stop key
    // is watched. Calls may nest.
    virtual void Rozpocznij() = 0;
    virtual void Zakoncz() = 0;
    // Handles the pending window messages and returns.
    virtual void PrzetworzZdarzenia() = 0;
    // True when the stop key is down now, or was pressed since the last call.
    virtual bool PrzerwanieWcisniete() = 0;
};

// The front end's handler; the terminal one (Ctrl+C) until another is installed.
IZdarzeniaOkien& ZdarzeniaOkien();
// Installs `zdarzenia` (not owned; nullptr goes back to the terminal) and
// returns the one it replaced.
IZdarzeniaOkien* UstawZdarzeniaOkien(IZdarzeniaOkien* zdarzenia);

// Watches the stop key for its lifetime.
class TNasluchPrzerwania {
public:
    TNasluchPrzerwania() : FZdarzenia(ZdarzeniaOkien()) { FZdarzenia.Rozpocznij(); }
    ~TNasluchPrzerwania() { FZdarzenia.Zakoncz(); }
    TNasluchPrzerwania(const TNasluchPrzerwania&) = delete;
    TNasluchPrzerwania& operator=(const TNasluchPrzerwania&) = delete;

private:
    IZdarzeniaOkien& FZdarzenia;
};

}  // namespace ramvel
