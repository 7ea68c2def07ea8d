# Makes the output view's start-up sample with the converter: the sample figure, then the text-mode rendering
# of the default banner, both with the glyph string "Kiv" and a space length of 3.
# cmake -DCONVERT=... -DFIGURE=... -DOUTPUT=... -P MakeStartupSample.cmake

# The converter works on the headless display; a build under the sanitizers must not fail on the font
# library's one-time allocations.
set(ENV{GLYPHLOOM_DISPLAY} headless)
set(ENV{ASAN_OPTIONS} "detect_leaks=0")
execute_process(COMMAND ${CONVERT} --glyph Kiv --space 3 ${FIGURE}
                OUTPUT_VARIABLE figure RESULT_VARIABLE figureResult ERROR_VARIABLE figureError)
execute_process(COMMAND ${CONVERT} --glyph Kiv --space 3 --text "Tarnwick<QQ群号3164825>"
                OUTPUT_VARIABLE banner RESULT_VARIABLE bannerResult ERROR_VARIABLE bannerError)
if(NOT figureResult EQUAL 0 OR NOT bannerResult EQUAL 0)
  message(FATAL_ERROR "The start-up sample could not be made: ${figureError}${bannerError}")
endif()
file(WRITE ${OUTPUT} "${figure}${banner}")
