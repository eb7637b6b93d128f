# cmake -DTABLE=strings/UiText.def -DOUT=ui-text.rc -P UiTextRc.cmake
# Writes the string table of lindrel.exe's resources from the table of texts: each text under
# the number the program asks for, once for Chinese (PRC) and once for English (US).
# Read as one list of lines; a semicolon in a text would split it, so it travels masked.
file(READ "${TABLE}" table)
string(REPLACE ";" "<semicolon>" table "${table}")
string(REPLACE "\n" ";" lines "${table}")
set(quoted "\"([^\"\\\\]|\\\\.)*\"")
set(chinese "")
set(english "")
set(id 1000)
foreach(line IN LISTS lines)
  if(line MATCHES "^UI_TEXT\\(([A-Za-z0-9]+), (${quoted}), (${quoted})\\)$")
    set(chinese "${chinese}  ${id}, ${CMAKE_MATCH_2}\n")
    set(english "${english}  ${id}, ${CMAKE_MATCH_4}\n")
    math(EXPR id "${id} + 1")
  elseif(line MATCHES "^UI_TEXT")
    message(FATAL_ERROR "${TABLE}: a text the string table cannot hold: ${line}")
  endif()
endforeach()
string(REPLACE "<semicolon>" ";" chinese "${chinese}")
string(REPLACE "<semicolon>" ";" english "${english}")
file(WRITE "${OUT}" "// Made by the build from strings/UiText.def.\n#pragma code_page(65001)\n#include <winres.h>\n\n"
  "LANGUAGE LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED\nSTRINGTABLE\nBEGIN\n${chinese}END\n\n"
  "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\nSTRINGTABLE\nBEGIN\n${english}END\n")
