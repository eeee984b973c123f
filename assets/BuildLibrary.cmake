# Makes the shipped library from the puzzle files: every NN-folder/NN-puzzle.txt under PUZZLES is
# filed with the library command, so the shipped files pass exactly the checks a teacher's puzzle
# passes, and the library is checked as a whole before the stamp is written.
#   cmake -DPUZZLES=<folder> -DPICTURES=<folder> -DCANVAS=<a6.asl> -DCOMMAND=<lexiglade-library>
#         -DLIBRARY=<folder> -DSTAMP=<file> -P BuildLibrary.cmake
# The catalogue shows the folders in the order of their directories and the puzzles of a folder in
# the order of their files; filing puts a puzzle first under an existing folder, so the files of a
# folder are filed last to first.
foreach(var PUZZLES PICTURES CANVAS COMMAND LIBRARY STAMP)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "BuildLibrary.cmake needs -D${var}=...")
    endif()
endforeach()

# Filing reshapes hint pictures into the canvas, which the library command finds in the library's
# own folder; the canvas, the lock and the kept originals are filing's, not the library's.
set(filing_only "${LIBRARY}/a6.asl" "${LIBRARY}/.lexiglade-lock" "${LIBRARY}/pictures/originals")

file(REMOVE "${STAMP}")
file(REMOVE_RECURSE "${LIBRARY}")
file(MAKE_DIRECTORY "${LIBRARY}/pictures")
file(GLOB pictures LIST_DIRECTORIES false "${PICTURES}/*.BMP")
if(pictures)
    file(COPY ${pictures} DESTINATION "${LIBRARY}/pictures")
endif()
file(COPY_FILE "${CANVAS}" "${LIBRARY}/a6.asl")
# An empty library: the folder tree and the seven catalogue lists without a line.
foreach(list a7 a8 a9 a10 a11 a12 a14 a15)
    file(WRITE "${LIBRARY}/${list}.asl" "")
endforeach()

function(run_library_command)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen "${COMMAND}" ${ARGN}
        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        list(JOIN ARGN " " args)
        message(FATAL_ERROR "lexiglade-library ${args} failed:\n${out}${err}")
    endif()
endfunction()

file(GLOB_RECURSE all_files RELATIVE "${PUZZLES}" "${PUZZLES}/*.txt")
foreach(name IN LISTS all_files)
    if(NOT name MATCHES "^[0-9][0-9]-[^/]+/[0-9][0-9]-[^/]+\\.txt$")
        message(FATAL_ERROR "${PUZZLES}/${name}: a puzzle file is NN-folder/NN-title.txt")
    endif()
endforeach()

file(GLOB folders LIST_DIRECTORIES true "${PUZZLES}/[0-9][0-9]-*")
list(SORT folders)
set(filed 0)
foreach(folder IN LISTS folders)
    file(GLOB puzzles LIST_DIRECTORIES false "${folder}/[0-9][0-9]-*.txt")
    list(SORT puzzles)
    list(REVERSE puzzles)
    foreach(puzzle IN LISTS puzzles)
        run_library_command(add "${LIBRARY}" "${puzzle}")
        math(EXPR filed "${filed} + 1")
    endforeach()
endforeach()
if(filed EQUAL 0)
    message(FATAL_ERROR "BuildLibrary.cmake: no puzzle files under ${PUZZLES}")
endif()

file(REMOVE_RECURSE ${filing_only})
run_library_command(check "${LIBRARY}")
file(REMOVE_RECURSE ${filing_only})
file(TOUCH "${STAMP}")
message(STATUS "Filed ${filed} puzzles into ${LIBRARY}")
