# cmake -DPROGRAM=updater -DREFERENCE=program -P updaterlinks.cmake
# Fails when the updater needs a GUI library or holds a picture of the program's design (found by
# the resource names, which the resource compiler stores in UTF-16 beside the compressed
# pictures). The program itself is looked at the same way first, so that a readelf that shows
# nothing cannot pass the test.
function(look_at file needed_var pictures_var)
  execute_process(COMMAND readelf -d ${file} OUTPUT_VARIABLE dynamic RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "readelf cannot read ${file}")
  endif()
  string(REGEX MATCHALL "Shared library: \\[[^]]+\\]" needed "${dynamic}")
  file(STRINGS ${file} pictures REGEX "[A-Za-z0-9_]+\\.pix" ENCODING UTF-16BE)
  list(LENGTH pictures count)
  set(${needed_var} "${needed}" PARENT_SCOPE)
  set(${pictures_var} ${count} PARENT_SCOPE)
endfunction()

look_at(${REFERENCE} program_needs program_pictures)
if(NOT program_needs MATCHES "libQt6Widgets" OR program_pictures EQUAL 0)
  message(FATAL_ERROR "the program shows no widget library or picture: the check itself is broken")
endif()
look_at(${PROGRAM} updater_needs updater_pictures)
if(updater_needs MATCHES "libQt6(Widgets|Gui)")
  message(FATAL_ERROR "the updater links a GUI library: ${updater_needs}")
endif()
if(NOT updater_pictures EQUAL 0)
  message(FATAL_ERROR "the updater holds ${updater_pictures} pictures")
endif()
message(STATUS "updater: ${updater_needs}; no picture")
