#pragma once
#include <string>

namespace ramvel {

// Copies one file and proves the copy: diskettes and free space are checked
// first, the copy is written beside the target and renamed onto it only once
// its size is verified, so a failed copy never replaces a good file with a
// half-written one. A target that another program holds locked (a database the
// server has open) is refused. A replaced target keeps its owner, group and
// mode. Every
// failure is shown once: "Błąd kopiowania pliku: " + name + "\r\r" + reason.
bool KopiujPlik(const std::string& zrodlo, const std::string& cel, bool zdejmijTylkoDoOdczytu);

}  // namespace ramvel
