#include <signal.h>

#include <gtest/gtest.h>

#include <optional>

#include "ui/konsola/ctrl_c.h"

namespace ramvel {
namespace {

void (*BiezacaObsluga())(int) {
    struct sigaction obecna {};
    sigaction(SIGINT, nullptr, &obecna);
    return obecna.sa_handler;
}

extern "C" void ObslugaTestu(int) {}

// The progress line and the extraction it shows watch Ctrl+C together: one
// press reaches both, once each, and the handler from before comes back only
// when the last of them stops watching, in whatever order they stop.
TEST(CtrlC, KazdyNasluchujacyWidziKazdeNacisniecie) {
    struct sigaction przedTestem {}, testowa {};
    testowa.sa_handler = ObslugaTestu;
    sigemptyset(&testowa.sa_mask);
    sigaction(SIGINT, &testowa, &przedTestem);

    std::optional<TNasluchCtrlC> postep(std::in_place);
    std::optional<TNasluchCtrlC> rozpakowanie(std::in_place);
    EXPECT_FALSE(postep->Odbierz());
    raise(SIGINT);
    EXPECT_TRUE(postep->Odbierz());
    EXPECT_FALSE(postep->Odbierz());
    EXPECT_TRUE(rozpakowanie->Odbierz());
    EXPECT_FALSE(rozpakowanie->Odbierz());

    postep.reset();
    EXPECT_NE(BiezacaObsluga(), &ObslugaTestu);  // still caught for the extraction
    raise(SIGINT);
    EXPECT_TRUE(rozpakowanie->Odbierz());
    rozpakowanie.reset();
    EXPECT_EQ(BiezacaObsluga(), &ObslugaTestu);

    // A watcher that starts later does not see earlier presses.
    TNasluchCtrlC pozniejszy;
    EXPECT_FALSE(pozniejszy.Odbierz());
    sigaction(SIGINT, &przedTestem, nullptr);
}

}  // namespace
}  // namespace ramvel
