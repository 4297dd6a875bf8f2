#pragma once
// One QApplication for every Qt test of the program, with the font the
// program sets, so that fixed-size windows are measured as they will show.
class QApplication;

namespace ramvel::testy {

QApplication& AplikacjaQt();

}  // namespace ramvel::testy
