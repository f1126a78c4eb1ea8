# Runs at the end of `cmake --install`: refreshes the MIME database, the desktop entries' MIME cache and an
# existing icon cache below the prefix, so that file managers know a ledger at once. Skipped when DESTDIR is set:
# the files then go into a staging tree for a package, and the package manager refreshes the caches where the
# package is unpacked. A missing tool only skips its step; a failing one warns, the install stands.

if(NOT "$ENV{DESTDIR}" STREQUAL "")
    message(STATUS "DESTDIR is set: leaving the MIME, desktop and icon caches to the package manager")
    return()
endif()
cmake_path(ABSOLUTE_PATH TALLIX_DATADIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" OUTPUT_VARIABLE share)

function(tallix_refresh tool)
    find_program(tool_path ${tool} NO_CACHE)
    if(NOT tool_path)
        message(STATUS "${tool} not found: not run")
        return()
    endif()
    message(STATUS "Running ${tool} ${ARGN}")
    execute_process(COMMAND ${tool_path} ${ARGN} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(WARNING "${tool} ${ARGN} failed (${result})")
    endif()
endfunction()

tallix_refresh(update-mime-database "${share}/mime")
tallix_refresh(update-desktop-database "${share}/applications")
# GTK trusts an icon cache that is newer than the theme's folder without looking into the size folders, so a
# cache made here would hide icons that other programs install here later without refreshing it. Only a cache
# that exists already is kept current.
if(EXISTS "${share}/icons/hicolor/icon-theme.cache")
    tallix_refresh(gtk-update-icon-cache --quiet --force --ignore-theme-index "${share}/icons/hicolor")
endif()
