# Writes a C++ source that holds text files as byte arrays, so that data the
# program needs travels inside the executable.
#   cmake -DWYJSCIE=out.cpp -DPLIKI="symbol=path;symbol2=path2" -P osadz_pliki.cmake
# Each symbol becomes ramvel::dane::symbol (const unsigned char[], zero-terminated) and
# ramvel::dane::symbolRozmiar (its length without the zero).
set(tresc "// Generated from the data files by cmake/osadz_pliki.cmake; do not edit.\n")
string(APPEND tresc "#include <cstddef>\n\nnamespace ramvel::dane {\n")
foreach(para IN LISTS PLIKI)
  string(FIND "${para}" "=" rownosc)
  string(SUBSTRING "${para}" 0 ${rownosc} symbol)
  math(EXPR od "${rownosc} + 1")
  string(SUBSTRING "${para}" ${od} -1 plik)
  file(READ "${plik}" szesnastkowo HEX)
  string(LENGTH "${szesnastkowo}" cyfry)
  math(EXPR rozmiar "${cyfry} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bajty "${szesnastkowo}")
  string(REGEX REPLACE "((0x..,){24})" "\\1\n" bajty "${bajty}")
  string(APPEND tresc "extern const unsigned char ${symbol}[] = {\n${bajty}0x00};\n")
  string(APPEND tresc "extern const std::size_t ${symbol}Rozmiar = ${rozmiar};\n")
endforeach()
string(APPEND tresc "}  // namespace ramvel::dane\n")
file(WRITE "${WYJSCIE}.tmp" "${tresc}")
file(COPY_FILE "${WYJSCIE}.tmp" "${WYJSCIE}" ONLY_IF_DIFFERENT)
file(REMOVE "${WYJSCIE}.tmp")
