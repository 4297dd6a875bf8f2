#pragma once
// Finding the backups of a source directory: every archive with a
// description beside it becomes a record of the catalogue.
#include <string>

#include "app/lista_firm.h"

namespace ramvel {

// The extension (from the last ".", dot included) is not empty and is a part
// of ".zip.kvp", letter case ignored: ".zip", ".KVP", and also ".z" or ".kv".
bool JestArchiwum(const std::string& nazwa);

// The name matches a pattern of literal characters and '?' (exactly one
// character each), letter case ignored.
bool PasujeDoWzorca(const std::string& nazwa, const std::string& wzor);

// The directory's own files, then each entry named like "????_??" (2008_10),
// one level deep.
void SzukajKopii(const std::string& katalog, TListaFirm& lista);

// Every regular file of the directory (hidden names beginning with "." and
// everything but regular files left out) that is an archive with a
// description, and was made by Morvanta PRO or by an unnamed product, goes to
// the list. A missing directory gives nothing.
void SzukajWKatalogu(const std::string& katalog, TListaFirm& lista);

}  // namespace ramvel
