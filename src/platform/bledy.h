#pragma once
// The two kinds of failure every layer raises.
#include <stdexcept>
#include <string>

namespace ramvel {

// A failure whose message is Polish text for the user; the handler at the top
// of the user action shows it once with KomunikatBlad.
class EBlad : public std::runtime_error {
public:
    explicit EBlad(const std::string& tresc) : std::runtime_error(tresc) {}
};

// Raised after the user has already been told what went wrong: it unwinds to
// the top of the user action, which swallows it without a further message.
class EPrzerwanie : public std::exception {
public:
    const char* what() const noexcept override { return "przerwanie"; }
};

// False for the silent abort, true for every other exception.
bool NieJestPrzerwaniem(const std::exception& wyjatek);

}  // namespace ramvel
