# Runs a staged example headless and keeps one frame as its picture:
#   cmake -DENGINE=brawlgear -DGAME=dir -DWORK=dir -DFRAMES=n -DPICTURE=file.png -P Capture.cmake
# The run is a copy of the game in WORK (the engine writes Engine.cfg back,
# and the example's own settings with it), in a 320 x 240 window with an
# overlay of the same size, silent. Any output on standard error fails it.

if("$ENV{DISPLAY}" STREQUAL "")
  message(FATAL_ERROR "The examples' pictures need a display: build them under X or Xvfb "
                      "(Xvfb :99 & then DISPLAY=:99 cmake --build build --target update_examples_docs)")
endif()

file(REMOVE_RECURSE ${WORK})
file(COPY ${GAME}/ DESTINATION ${WORK}/game)
file(READ ${WORK}/game/Engine.cfg cfg)
foreach(setting SDL_SCREEN_WIDTH=320 SDL_SCREEN_HEIGHT=240 GL_ORTHO_RESOLUTION_X=320 GL_ORTHO_RESOLUTION_Y=240)
  string(REPLACE "=" ";" pair ${setting})
  list(GET pair 0 key)
  list(GET pair 1 value)
  string(REGEX REPLACE "(^|\n)${key} = [^\n]*" "\\1${key} = ${value}" cfg "${cfg}")
endforeach()
file(WRITE ${WORK}/game/Engine.cfg "${cfg}")

set(ENV{ALSOFT_DRIVERS} null)
execute_process(
  COMMAND ${ENGINE} -windowed -q --dev --frames ${FRAMES} --capture ${FRAMES} --capture-dir ${WORK}/shots ${WORK}/game
  RESULT_VARIABLE status
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT errors STREQUAL "")
  message(FATAL_ERROR "${GAME} failed (exit status ${status}):\n${errors}")
endif()

# The frames are named frameNNNN.png.
string(LENGTH "${FRAMES}" digits)
math(EXPR zeros "4 - ${digits}")
string(REPEAT "0" ${zeros} padding)
get_filename_component(folder ${PICTURE} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
file(COPY_FILE ${WORK}/shots/frame${padding}${FRAMES}.png ${PICTURE})
