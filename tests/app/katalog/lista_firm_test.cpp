#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/lista_firm.h"
#include "app/opis_kopii.h"

namespace ramvel {
namespace {

using testing::ElementsAre;

std::unique_ptr<TRekKat> Kopia(const std::string& klucz, const std::string& czas, int id = 0) {
    auto rekord = std::make_unique<TRekKat>();
    rekord->PodKatalog = klucz;
    rekord->Czas = CzasKopii(czas);
    rekord->Id = id;
    return rekord;
}

std::vector<std::string> Klucze(const TListaFirm& lista) {
    std::vector<std::string> klucze;
    for (int i = 0; i < lista.Ilosc(); ++i)
        klucze.push_back(lista.Firma(i)->Klucz);
    return klucze;
}

std::vector<int> Identyfikatory(const TListaFirm& lista, int firma) {
    std::vector<int> id;
    for (const auto& kopia : lista.Firma(firma)->Kopie)
        id.push_back(kopia->Id);
    return id;
}

TEST(TListaFirm, KluczeRóżnąceSięWielkościąLiterToJednaFirmaWPierwszejPisowni) {
    TListaFirm lista;
    lista.DodajKopie(Kopia("Firma", "2008-10-01 9:00", 1));
    lista.DodajKopie(Kopia("FIRMA", "2008-10-02 9:00", 2));
    lista.DodajKopie(Kopia("ŁÓDŹ", "2008-10-02 9:00", 3));
    lista.DodajKopie(Kopia("łódź", "2008-10-02 9:00", 4));
    lista.DodajKopie(Kopia("lodz", "2008-10-02 9:00", 5));
    EXPECT_THAT(Klucze(lista), ElementsAre("Firma", "ŁÓDŹ", "lodz"));
    EXPECT_THAT(Identyfikatory(lista, 0), ElementsAre(1, 2));
    EXPECT_THAT(Identyfikatory(lista, 1), ElementsAre(3, 4));
}

TEST(TListaFirm, FirmyWPolskimPorządkuAlfabetycznym) {
    TListaFirm lista;
    for (const char* klucz : {"Mazury", "Łódź", "zeta", "Lodz", "ąbc", "Abc", "azot", "Ćma", "cma", "", "Źdźbło", "żuk"})
        lista.DodajKopie(Kopia(klucz, "2008-10-01 9:00"));
    lista.Sortuj();
    EXPECT_THAT(Klucze(lista), ElementsAre("", "Abc", "azot", "ąbc", "cma", "Ćma", "Lodz", "Łódź", "Mazury", "zeta",
                                           "Źdźbło", "żuk"));
}

TEST(TListaFirm, KopieWedługCzasuRówneWKolejnościZnalezienia) {
    TListaFirm lista;
    lista.DodajKopie(Kopia("F", "2008-11-01 9:00", 1));
    lista.DodajKopie(Kopia("F", "2008-10-01 9:00", 2));
    lista.DodajKopie(Kopia("F", "2008-11-01 9:00", 3));
    lista.DodajKopie(Kopia("F", "2008-10-01 9:05", 4));
    lista.DodajKopie(Kopia("F", "zepsuty czas", 5));
    lista.DodajKopie(Kopia("F", "2008-10-01 9:00", 6));
    lista.Sortuj();
    EXPECT_THAT(Identyfikatory(lista, 0), ElementsAre(5, 2, 6, 4, 1, 3));
}

TEST(TListaFirm, PozycjePozaListąToBrak) {
    TListaFirm lista;
    lista.DodajKopie(Kopia("F", "2008-11-01 9:00", 1));
    EXPECT_EQ(lista.Kopia(0, 0)->Id, 1);
    EXPECT_EQ(lista.Kopia(0, 1), nullptr);
    EXPECT_EQ(lista.Kopia(1, 0), nullptr);
    EXPECT_EQ(lista.Kopia(-1, 0), nullptr);
    EXPECT_EQ(lista.Firma(-1), nullptr);
    lista.Wyczysc();
    EXPECT_TRUE(lista.Pusta());
}

}  // namespace
}  // namespace ramvel
