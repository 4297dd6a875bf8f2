#pragma once
// What the main window shows and what the user chose on it, as plain data.
// The flows read and change it; the window (Qt or terminal) draws it after
// each change through IWidokGlowny::Odswiez.
#include <string>
#include <vector>

namespace ramvel {

// Backup sources (items of rgRodzKopii).
enum TRodzajKopii : int { kKopiaNaDyskietce = 0, kKopiaAutomatyczna = 1, kKopiaWInnejLokalizacji = 2 };

constexpr int kWysokoscPanRodzKopii = 185;
constexpr int kWysokoscStrony1 = kWysokoscPanRodzKopii + 25;  // 210
constexpr int kWysokoscStrony2 = 412;

struct TFormaGlowna {
    std::string Tytul;
    int Wysokosc = kWysokoscStrony1;
    int Strona = 1;  // 1: panRodzKopii, 2: panOdtworz

    // Page 1.
    int RodzKopii = kKopiaNaDyskietce;       // rgRodzKopii.ItemIndex
    std::string PathInnaLok;                 // edPathInnaLok
    bool PathInnaLokWidoczna = false;        // edPathInnaLok and slbtnInnaLok

    // Page 2: the catalogue.
    std::vector<std::string> Firmy;          // cmbKopie
    int WybranaFirma = -1;
    std::vector<std::string> Kopie;          // cmbDataKopii
    int WybranaKopia = -1;
    std::string Ident, Opis, DataCzas, IlDysk, DaneLic, DaneProg;  // labIdent … L_DaneProg
    bool Akceptacja = false;                 // cbAccept

    // Page 2: the destination.
    bool RozpakDoFirmy = true;               // rbRozpakDoFirmy (else rpRozpakWInne)
    std::string PathRozpakuj;                // edPathRozpakuj
    bool PathRozpakujWidoczna = false;       // edPathRozpakuj and slBtnRozpakuj

    bool PrzyciskiZablokowane = false;       // btnCofnij, btnOdtworz, btnWyjscie
};

class IWidokGlowny {
public:
    virtual ~IWidokGlowny() = default;
    // Draws the state at once (the flows run long without an event loop).
    virtual void Odswiez(const TFormaGlowna& forma) = 0;
    // Closes the window, which ends the program.
    virtual void Zamknij() = 0;
    // Moves the focus to the acceptance box (cbAccept).
    virtual void FokusNaAkceptacji() {}
    // Puts the keyboard focus into edPathInnaLok.
    virtual void FokusNaPathInnaLok() {}
};

}  // namespace ramvel
