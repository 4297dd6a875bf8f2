#include "ui/skrypt/postep_skryptu.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ui/skrypt/skrypt.h"

namespace ramvel {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

TEST(PostepSkryptu, PrzebiegTegoCoWidac) {
    TSkrypt skrypt;
    TPostepySkryptu postepy(skrypt);
    auto postep = UtworzPostep("Dearchiwizacja bazy firmy: FIRMA");
    postep->UstawTekst("przed pokazaniem");  // not seen: the window is hidden
    postep->Pokaz();
    postep->Pokaz();
    postep->UstawTekst("gbak: restoring domain");
    postep->Zamknij();
    postep->Zamknij();
    EXPECT_THAT(skrypt.Przebieg(), ElementsAre("Postęp pokazany: przed pokazaniem", "Postęp: gbak: restoring domain",
                                               "Postęp zamknięty"));
    EXPECT_THAT(skrypt.Bledy(), IsEmpty());
}

TEST(PostepSkryptu, StanOknaCzytelnyPoJegoZniszczeniu) {
    TSkrypt skrypt;
    TPostepySkryptu postepy(skrypt);
    UtworzPostep();
    {
        auto postep = UtworzPostep("Plik", 300, 7, true, true, "Kopia");
        postep->UstawPozycje(120);
    }
    ASSERT_EQ(postepy.Okna().size(), 2u);
    const TStanPostepu& pierwsze = *postepy.Okna()[0];
    EXPECT_EQ(pierwsze.Tytul, "Operacja w toku");
    EXPECT_EQ(pierwsze.Maks, 0);
    EXPECT_FALSE(pierwsze.Przerywalny);
    const TStanPostepu& drugie = *postepy.Okna()[1];
    EXPECT_EQ(drugie.Tekst, "Plik");
    EXPECT_EQ(drugie.Tytul, "Kopia");
    EXPECT_EQ(drugie.Maks, 300);
    EXPECT_EQ(drugie.MaksDodatkowy, 7);
    EXPECT_EQ(drugie.Pozycja, 120);
    EXPECT_TRUE(drugie.Przerywalny);
    EXPECT_TRUE(drugie.Animacja);
}

TEST(PostepSkryptu, PrzerwanieZeSkryptu) {
    for (const char* odpowiedz : {"&Nie", "&Tak"}) {
        SCOPED_TRACE(odpowiedz);
        const bool tak = std::string(odpowiedz) == "&Tak";
        TSkrypt skrypt;
        TPostepySkryptu postepy(skrypt);
        postepy.PrzerwijPrzy("linia 2");
        skrypt.Pytanie("Czy na pewno przerwać?", odpowiedz);
        auto postep = UtworzPostep("linia 1");
        postep->Pokaz();
        postep->UstawTekst("linia 2");
        postep->UstawTekst("linia 3");
        EXPECT_EQ(postep->Przerwano(), tak);
        EXPECT_EQ(postepy.Okna()[0]->Widoczne, !tak);
        EXPECT_EQ(postepy.Okna()[0]->Tekst, "linia 3");
        EXPECT_THAT(skrypt.Bledy(), IsEmpty());
        if (tak) {
            EXPECT_THAT(skrypt.Przebieg(),
                        ElementsAre("Postęp pokazany: linia 1", "Postęp: linia 2",
                                    "Pytanie: Czy na pewno przerwać? -> &Tak", "Postęp zamknięty"));
        }
    }
}

TEST(PostepSkryptu, EscapePoPrzerwaniuNiePyta) {
    TSkrypt skrypt;
    TPostepySkryptu postepy(skrypt);
    postepy.PrzerwijPrzy("A").PrzerwijPrzy("B");
    skrypt.Pytanie("Czy na pewno przerwać?", "&Tak");
    auto postep = UtworzPostep("A");
    postep->Pokaz();
    ASSERT_TRUE(postep->Przerwano());
    postep->Pokaz();
    postep->UstawTekst("B");
    EXPECT_TRUE(postepy.Okna()[0]->Widoczne);
    EXPECT_THAT(skrypt.Bledy(), IsEmpty());
}

}  // namespace
}  // namespace ramvel
