# Turns a text file into a C++ source that holds it as a constant, so a program carries its data files inside.
#
# glyphloom_embed_text(TARGET FILE SYMBOL): compiles FILE into TARGET as `gl::resources::SYMBOL`, a
# std::string_view over the file's bytes; `#include "embedded/SYMBOL.h"` declares it. Regenerated when FILE changes.

if(CMAKE_SCRIPT_MODE_FILE)
  # Script mode: cmake -DINPUT=... -DOUTPUT_DIR=... -DSYMBOL=... -P EmbedText.cmake
  file(READ ${INPUT} content HEX)
  # Long lines are no problem for the compiler, but line breaks keep the file readable: 32 bytes a line.
  string(REPEAT "[0-9a-f][0-9a-f]" 32 line)
  string(REGEX REPLACE "(${line})" "\\1\n" content "${content}")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${content}")
  file(WRITE ${OUTPUT_DIR}/${SYMBOL}.h
       "// Generated from ${INPUT}; do not edit.\n#pragma once\n\n#include <string_view>\n\n"
       "namespace gl::resources {\nextern const std::string_view ${SYMBOL};\n}\n")
  file(WRITE ${OUTPUT_DIR}/${SYMBOL}.cpp
       "// Generated from ${INPUT}; do not edit.\n#include \"embedded/${SYMBOL}.h\"\n\n"
       "namespace gl::resources {\nnamespace {\nconst char kBytes[] = {\n${bytes}'\\0'};\n}\n"
       "const std::string_view ${SYMBOL}(kBytes, sizeof kBytes - 1);\n}\n")
  return()
endif()

set(GLYPHLOOM_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_FILE})

function(glyphloom_embed_text target file symbol)
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/embedded)
  file(MAKE_DIRECTORY ${dir})
  add_custom_command(
    OUTPUT ${dir}/${symbol}.cpp ${dir}/${symbol}.h
    COMMAND ${CMAKE_COMMAND} -DINPUT=${file} -DOUTPUT_DIR=${dir} -DSYMBOL=${symbol} -P ${GLYPHLOOM_EMBED_SCRIPT}
    DEPENDS ${file} ${GLYPHLOOM_EMBED_SCRIPT}
    COMMENT "Embedding ${file}"
    VERBATIM)
  target_sources(${target} PRIVATE ${dir}/${symbol}.cpp ${dir}/${symbol}.h)
  target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR})
endfunction()
