# The programs go into the binary directory (the shipped data is installed by assets/), and the
# whole install tree makes the Debian package.
install(TARGETS lexiglade RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET lexiglade-library)
    install(TARGETS lexiglade-library RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

include(cmake/Package.cmake)
