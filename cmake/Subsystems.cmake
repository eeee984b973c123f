# Folders that exist so far; each is one static library with its own tests.
foreach(dir platform media ui print wizard app tools assets tests bench)
    if(EXISTS ${CMAKE_SOURCE_DIR}/${dir}/CMakeLists.txt)
        if(dir STREQUAL bench AND NOT LEXIGLADE_BENCH)
            continue()
        endif()
        add_subdirectory(${dir})
    endif()
endforeach()
