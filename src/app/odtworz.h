#pragma once
// The restore of one chosen backup, from the button to the destination: the
// archive gathered (diskettes) and unpacked into Temp/Baza, every database
// backup turned into a database file by the server, the company registered,
// and the files copied into place. Exactly one verdict at the end.
#include <memory>
#include <string>

#include "app/rek_kat.h"

namespace ramvel {

class TGlowna;
class IPostep;

class TOdtwarzanie {
public:
    // `postepZip` is the main window's shared progress window.
    TOdtwarzanie(TGlowna& glowna, TRekKat& wybrana, IPostep& postepZip);

    // The whole sequence; true when the files reached the destination. Raises
    // only EPrzerwanie (after the verdict) or what the verdict cannot cover.
    bool Odtworz();

    // Whether a window of its own (engine, ZIP or restore progress) was shown.
    bool PokazanoOknoPostepu() const { return FPokazanoOkno; }

    bool RozpakujKopie(const std::string& archiwum, const std::string& katalog, const std::string& rodzaj);
    bool RozpakujKvp(const std::string& archiwum, const std::string& katalog);
    bool RozpakujZip(const std::string& archiwum, const std::string& katalog);
    void ZapytajODaneSystemowe(const std::string& katalog);
    void OstrzezenieONadpisaniu();
    void OdtworzBazy(const std::string& katalog);
    void OdtworzBaze(const std::string& katalog, const std::string& nazwa);
    void KopiujBazy(const std::string& katalog);

private:
    std::string KatalogDocelowy() const;
    void KopiujBaze(const std::string& katalog, const std::string& plik);

    TGlowna& FGlowna;
    TRekKat& FWybrana;
    IPostep& FPostepZip;
    bool FUdane = false;
    bool FPokazanoOkno = false;
};

// The working directories: Temp and Temp/Baza of the program directory.
std::string KatalogRoboczy();
std::string KatalogRozpakowania();

// Lets the database server's user into a working directory: group "firebird"
// with the set-group-id bit when we may give it, else rights for everyone.
void UdostepnijSerwerowi(const std::string& katalog);

}  // namespace ramvel
