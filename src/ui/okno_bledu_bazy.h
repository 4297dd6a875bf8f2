#pragma once
// The database error window: a Polish sentence about what went wrong, and
// the technical details (codes, the server's text, the SQL) one click away.
#include <string>
#include <vector>

namespace ramvel {

// The window's caption; the scripted front end expects steps of this kind.
inline constexpr const char* kTytulOknaBleduBazy = "Informacja z bazy danych";

class IOknoBleduBazy {
public:
    virtual ~IOknoBleduBazy() = default;
    // Shows `tekst` with `szczegoly` (one line each) behind the details
    // button, modally; returns when the user closes it.
    virtual void Pokaz(const std::string& tekst, const std::vector<std::string>& szczegoly) = 0;
};

// The front end in use; the terminal one until another is installed.
IOknoBleduBazy& OknoBleduBazy();
// Installs `okno` (not owned; nullptr goes back to the terminal) and returns
// the one it replaced.
IOknoBleduBazy* UstawOknoBleduBazy(IOknoBleduBazy* okno);

}  // namespace ramvel
