# The game's folders, each one static library with its own tests; tools and assets make the data.
foreach(dir platform media ui print wizard app tools assets tests)
    add_subdirectory(${dir})
endforeach()
if(LEXIGLADE_BENCH)
    add_subdirectory(bench)
endif()
