# Writes a C++ source that returns the text of a file: cmake -DIN=FILE
# -DOUT=SOURCE.cpp -DFUNCTION=NAME -P EmbedText.cmake. The function is
# `std::string_view vorkel::NAME()`; the file must not hold ")EMBED\"".
file(READ ${IN} text)
string(FIND "${text}" ")EMBED\"" clash)
if(NOT clash EQUAL -1)
  message(FATAL_ERROR "${IN} holds the raw string's end marker")
endif()
file(WRITE ${OUT}.tmp "// Made from ${IN} by cmake/EmbedText.cmake.\n#include <string_view>\n\nnamespace vorkel {\n\nstd::string_view ${FUNCTION}() {\n  return R\"EMBED(${text})EMBED\";\n}\n\n}  // namespace vorkel\n")
file(COPY_FILE ${OUT}.tmp ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.tmp)
