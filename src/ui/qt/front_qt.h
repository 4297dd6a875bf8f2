#pragma once
// Installs the Qt windows as the front end of every ui/ interface. Needs a
// QApplication.
namespace ramvel {

void InstalujFrontQt();

}  // namespace ramvel
