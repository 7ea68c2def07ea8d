# Makes the Debian package once (cpack, into a scratch folder) and reads its contents and fields with dpkg-deb:
# both programs, the default picture, the links, the desktop entry, the icons and the manual pages under /usr,
# and the libraries declared. Arguments: -DBUILD=<build folder> -DSCRATCH=<scratch folder>.
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
execute_process(COMMAND cpack -G DEB --config ${BUILD}/CPackConfig.cmake -B ${SCRATCH} RESULT_VARIABLE status
                OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cpack failed (${status}): ${said}")
endif()
file(GLOB packages ${SCRATCH}/glyphloom_*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one package, found: ${packages}")
endif()

execute_process(COMMAND dpkg-deb -c ${packages} OUTPUT_VARIABLE contents RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -c failed")
endif()
set(expected ./usr/lib/glyphloom/glyphloom ./usr/lib/glyphloom/glyphloom-convert ./usr/lib/glyphloom/Tarnwick.bmp
             "./usr/bin/glyphloom -> ../lib/glyphloom/glyphloom"
             "./usr/bin/glyphloom-convert -> ../lib/glyphloom/glyphloom-convert"
             ./usr/share/applications/glyphloom.desktop ./usr/share/icons/hicolor/scalable/apps/glyphloom.svg
             ./usr/share/man/man1/glyphloom.1 ./usr/share/man/man1/glyphloom-convert.1)
foreach(size 16 24 32 48 64 128 256)
  list(APPEND expected ./usr/share/icons/hicolor/${size}x${size}/apps/glyphloom.png)
endforeach()
foreach(entry IN LISTS expected)
  string(FIND "${contents}" " ${entry}\n" at)
  if(at LESS 0)
    message(FATAL_ERROR "the package lacks ${entry}:\n${contents}")
  endif()
endforeach()

execute_process(COMMAND dpkg-deb -f ${packages} Package Depends OUTPUT_VARIABLE fields)
foreach(field "Package: glyphloom" "libsdl2-2.0-0" "libfreetype6" "libfontconfig1" "libpng16-16" "fonts-arphic-uming")
  string(FIND "${fields}" "${field}" at)
  if(at LESS 0)
    message(FATAL_ERROR "the package's fields lack ${field}:\n${fields}")
  endif()
endforeach()
