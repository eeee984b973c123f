# Copies each file of SOURCE into DESTINATION unless DESTINATION already holds a file of that
# name, so that a rebuild never replaces a player's puzzles, best times or reshaped pictures.
#   cmake -DSOURCE=<folder> -DDESTINATION=<folder> -P CopyIfAbsent.cmake
foreach(var SOURCE DESTINATION)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "CopyIfAbsent.cmake needs -D${var}=<folder>")
    endif()
endforeach()
if(NOT IS_DIRECTORY "${SOURCE}")
    message(FATAL_ERROR "CopyIfAbsent.cmake: no folder ${SOURCE}")
endif()

file(MAKE_DIRECTORY "${DESTINATION}")
file(GLOB names LIST_DIRECTORIES false RELATIVE "${SOURCE}" "${SOURCE}/*")
set(copied 0)
foreach(name IN LISTS names)
    if(NOT EXISTS "${DESTINATION}/${name}")
        file(COPY_FILE "${SOURCE}/${name}" "${DESTINATION}/${name}")
        math(EXPR copied "${copied} + 1")
    endif()
endforeach()
if(copied GREATER 0)
    message(STATUS "Installed ${copied} file(s) into ${DESTINATION}")
endif()
