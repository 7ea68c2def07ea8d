# Helpers shared by every target of the project: warnings, library and test targets from folders.

if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  # Clang has no -Wshadow=local; its -Wshadow is the closest match.
  set(GLYPHLOOM_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Werror)
else()
  set(GLYPHLOOM_WARNINGS -Wall -Wextra -Wpedantic -Wshadow=local -Wnon-virtual-dtor -Werror)
endif()

# Precompiled headers for our libraries: the standard library's most used headers, a third to a half of a small
# source file's compile time. Compiled once and reused by every library, which needs the same options everywhere
# (every library takes the same warnings; the build type's and the sanitizers' flags are global). Our own headers
# stay out, so that every file still includes what it uses; and clang (the fuzz build) goes without, so that its
# build shows a file that leans on them. The tests go without: with GoogleTest precompiled, GCC 12 reports its
# known false overflows in std::string concatenation in a few test bodies.
if(GLYPHLOOM_PCH AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  set(GLYPHLOOM_PCH_HEADERS <algorithm> <array> <cstdint> <cstring> <functional> <map> <memory> <string>
                            <string_view> <unordered_map> <utility> <vector>)
  set(pch_stub ${PROJECT_BINARY_DIR}/glyphloom_pch.cpp)
  file(WRITE ${pch_stub} "namespace {}\n")
  add_library(glyphloom_pch OBJECT ${pch_stub})
  target_compile_options(glyphloom_pch PRIVATE ${GLYPHLOOM_WARNINGS})
  target_precompile_headers(glyphloom_pch PRIVATE ${GLYPHLOOM_PCH_HEADERS})
endif()

# glyphloom_precompiled(TARGET): TARGET compiles with the precompiled headers.
function(glyphloom_precompiled target)
  if(TARGET glyphloom_pch)
    target_precompile_headers(${target} REUSE_FROM glyphloom_pch)
  endif()
endfunction()

# glyphloom_library(NAME DIR [DIRS more...] [DEPS public...] [PRIVATE_DEPS private...] [NO_PCH]): a static library
# of every .cpp in DIR and the other folders named, their sub-folders included. NO_PCH for a library whose own
# options (a -D of another library's) would not match the precompiled headers.
function(glyphloom_library name dir)
  cmake_parse_arguments(ARG "NO_PCH" "" "DIRS;DEPS;PRIVATE_DEPS" ${ARGN})
  set(patterns ${dir}/*.cpp)
  foreach(d ${ARG_DIRS})
    list(APPEND patterns ${d}/*.cpp)
  endforeach()
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${patterns})
  if(NOT sources)
    # A service area not written yet still gives a library, so that the layer's link line stays the same.
    set(stub ${CMAKE_CURRENT_BINARY_DIR}/${name}_empty.cpp)
    file(WRITE ${stub} "namespace {}\n")
    set(sources ${stub})
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_compile_options(${name} PRIVATE ${GLYPHLOOM_WARNINGS})
  if(NOT ARG_NO_PCH)
    glyphloom_precompiled(${name})
  endif()
  if(ARG_DEPS)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  endif()
  if(ARG_PRIVATE_DEPS)
    target_link_libraries(${name} PRIVATE ${ARG_PRIVATE_DEPS})
  endif()
endfunction()

# glyphloom_tests(NAME DIR [SERIAL] LIBS...): one GoogleTest executable of every .cpp under DIR (sub-folders
# included), registered with CTest. The platform's texts are pinned to English; tests of Chinese ask for it. The
# tests see the fonts GLYPHLOOM_TEST_FONTS names (tests/CMakeLists.txt). Each property sets one variable: this
# CMake's test discovery splits a list in a property however it is escaped.
# SERIAL runs each of its tests with no other test beside it (the desktop tests: they act through a real X server,
# and a machine loaded by other tests slows the program past their waits).
function(glyphloom_tests name dir)
  set(serial FALSE)
  if(ARGN AND "${ARGV2}" STREQUAL "SERIAL")
    set(serial TRUE)
    list(REMOVE_AT ARGN 0)
  endif()
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_compile_options(${name} PRIVATE ${GLYPHLOOM_WARNINGS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gtest_main)
  if(ARGN)
    # A program that links the platform starts each of its tests from a fresh platform state.
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/PlatformReset.cpp)
  endif()
  include(GoogleTest)
  gtest_discover_tests(${name} WORKING_DIRECTORY ${PROJECT_BINARY_DIR} DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "${GLYPHLOOM_TEST_FONTS}"
                       ENVIRONMENT_MODIFICATION "LC_ALL=set:C.UTF-8" RUN_SERIAL ${serial})
endfunction()
