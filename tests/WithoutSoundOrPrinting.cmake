# What needs neither sound nor printing is built without them: no source of the library command,
# the engine, the library, the drawing and windows of platform/ or their tests is compiled with the
# include folders of SDL2, FluidSynth or Qt PrintSupport, which also keeps their libraries off its
# link line. The game's own sources are, as a check of the check.
#   cmake -DCOMMANDS=compile_commands.json -DSOURCE_DIR=... -P WithoutSoundOrPrinting.cmake
set(apart "^(library|engine|wizard|tests/engine|tests/library)/|^platform/[^/]+$|^app/LibraryMain")
set(sound_or_printing "SDL2|fluidsynth|QtPrintSupport")

file(READ ${COMMANDS} commands)
string(JSON count LENGTH "${commands}")
math(EXPR last "${count} - 1")
set(apart_files 0)
set(game_uses_them OFF)
foreach(i RANGE ${last})
    string(JSON entry GET "${commands}" ${i})
    string(JSON file GET "${entry}" file)
    string(JSON command GET "${entry}" command)
    file(RELATIVE_PATH source ${SOURCE_DIR} ${file})
    if(source MATCHES "${apart}")
        math(EXPR apart_files "${apart_files} + 1")
        if(command MATCHES "${sound_or_printing}")
            message(SEND_ERROR "${source} is compiled with ${CMAKE_MATCH_0}")
        endif()
    elseif(source STREQUAL "app/main.cpp" AND command MATCHES "${sound_or_printing}")
        set(game_uses_them ON)
    endif()
endforeach()
if(apart_files LESS 50 OR NOT game_uses_them)
    message(FATAL_ERROR "the check did not see the build: ${apart_files} sources apart")
endif()
