#pragma once
// Windows-1250 lives only at the edges (ini files, names stored in archives,
// the database connection); inside the program every text is UTF-8.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ramvel {

// Every byte has a character: the five bytes Windows-1250 leaves unassigned
// (0x81 0x83 0x88 0x90 0x98) become the C1 control of the same value, as
// Windows decodes them.
std::string Cp1250NaUtf8(std::string_view bajty);

// nullopt when the text holds a character Windows-1250 cannot store, or when
// it is not valid UTF-8.
std::optional<std::string> Utf8NaCp1250(std::string_view tekst);

// Decodes one UTF-8 character at `pozycja` and moves past it. Invalid bytes
// come back one at a time as U+FFFD.
char32_t NastepnyZnakUtf8(std::string_view tekst, size_t& pozycja);
void DopiszUtf8(std::string& cel, char32_t znak);
// Every character of a UTF-8 text, in order.
std::vector<char32_t> ZnakiUtf8(std::string_view tekst);

// Upper case of a code point for the Latin letters Windows-1250 can hold
// (ASCII, Latin-1, Latin Extended-A): Polish letters are letters.
char32_t WielkaLitera(char32_t znak);
std::string WielkieLitery(std::string_view tekst);

}  // namespace ramvel
