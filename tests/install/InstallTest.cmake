# Installs into a scratch prefix and uses the install as a user would: the converter through its link in bin,
# started from another folder, must find the default picture beside its real self and write the very lines the
# build folder's converter writes; the desktop entry must pass desktop-file-validate; the icons and manual pages
# must be in place. Arguments: -DBUILD=<build folder> -DSCRATCH=<scratch folder>.
cmake_minimum_required(VERSION 3.25)

# check(MESSAGE CONDITION...): fails the test with MESSAGE unless the condition holds.
function(check message)
  if(NOT (${ARGN}))
    message(FATAL_ERROR "${message}")
  endif()
endfunction()

set(prefix ${SCRATCH}/prefix)
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix} RESULT_VARIABLE status
                OUTPUT_QUIET)
check("cmake --install failed (${status})" status EQUAL 0)

foreach(program glyphloom glyphloom-convert)
  check("bin/${program} is not a link" IS_SYMLINK ${prefix}/bin/${program})
  file(READ_SYMLINK ${prefix}/bin/${program} target)
  check("bin/${program} points to ${target}" target STREQUAL ../lib/glyphloom/${program})
  check("lib/glyphloom/${program} is missing" EXISTS ${prefix}/lib/glyphloom/${program})
endforeach()
check("the default picture is missing" EXISTS ${prefix}/lib/glyphloom/Tarnwick.bmp)

# The same lines from the installed converter (through its link, in a folder without the picture) as from the
# build's.
execute_process(COMMAND ${prefix}/bin/glyphloom-convert WORKING_DIRECTORY ${SCRATCH} RESULT_VARIABLE status
                OUTPUT_VARIABLE installed ERROR_VARIABLE errors)
check("the installed glyphloom-convert failed (${status}): ${errors}" status EQUAL 0)
execute_process(COMMAND ${BUILD}/glyphloom-convert RESULT_VARIABLE status OUTPUT_VARIABLE built)
check("the build's glyphloom-convert failed (${status})" status EQUAL 0)
string(LENGTH "${built}" length)
check("the build's converter wrote only ${length} characters" length GREATER 1000)
check("the installed converter's lines differ from the build's" installed STREQUAL built)

execute_process(COMMAND desktop-file-validate ${prefix}/share/applications/glyphloom.desktop
                RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
check("desktop-file-validate refused the entry: ${said}" status EQUAL 0)

foreach(size 16 24 32 48 64 128 256)
  set(icon ${prefix}/share/icons/hicolor/${size}x${size}/apps/glyphloom.png)
  check("the ${size} pixel icon is missing" EXISTS ${icon})
  file(READ ${icon} header LIMIT 24 HEX)
  # The PNG signature, then the IHDR chunk whose width comes first.
  string(SUBSTRING "${header}" 0 16 signature)
  string(SUBSTRING "${header}" 32 8 width)
  math(EXPR expected "${size}" OUTPUT_FORMAT HEXADECIMAL)
  math(EXPR got "0x${width}")
  check("the ${size} pixel icon is no PNG" signature STREQUAL 89504e470d0a1a0a)
  check("the ${size} pixel icon is ${got} pixels wide" got EQUAL ${size})
endforeach()
check("the scalable icon is missing" EXISTS ${prefix}/share/icons/hicolor/scalable/apps/glyphloom.svg)
foreach(page glyphloom glyphloom-convert)
  check("the manual page ${page}(1) is missing" EXISTS ${prefix}/share/man/man1/${page}.1)
endforeach()
