# The programs go into the binary directory (the shipped data is installed by assets/, the
# documents by docs/), and the whole install tree makes the Debian package.
install(TARGETS lexiglade RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET lexiglade-library)
    install(TARGETS lexiglade-library RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
# The manual pages, the changelog and the copyright file.
add_subdirectory(docs)

include(cmake/Package.cmake)
