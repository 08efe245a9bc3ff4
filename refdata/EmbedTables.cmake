# Writes OUTPUT, a C++ source defining one function per text table that
# returns the table's text as a raw string literal:
#   cmake -DOUTPUT=file.cpp -DTABLES="Function1=path1;Function2=path2" -P EmbedTables.cmake
set(delimiter "sgtable")
set(text "// Generated from the text tables in refdata/data; do not edit.\n#include \"EmbeddedTables.h\"\n")
foreach(entry ${TABLES})
  string(REPLACE "=" ";" parts "${entry}")
  list(GET parts 0 function)
  list(GET parts 1 path)
  file(READ "${path}" content)
  string(FIND "${content}" ")${delimiter}\"" clash)
  if(NOT clash EQUAL -1)
    message(FATAL_ERROR "${path} holds the text )${delimiter}\" that ends the embedded string")
  endif()
  string(APPEND text "\nstd::string_view ${function}() {\n    return R\"${delimiter}(${content})${delimiter}\";\n}\n")
endforeach()
file(WRITE "${OUTPUT}.tmp" "${text}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
