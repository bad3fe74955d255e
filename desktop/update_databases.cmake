# Run at the end of `cmake --install`: updates the shared MIME database,
# the desktop entries' MIME cache and the hicolor icon cache under the
# install prefix, with whichever of the tools is installed.
set(share ${CMAKE_INSTALL_PREFIX}/share)
foreach(step "update-mime-database;${share}/mime"
             "update-desktop-database;-q;${share}/applications"
             "gtk-update-icon-cache;-q;-t;-f;${share}/icons/hicolor")
    list(GET step 0 tool)
    find_program(tool_path ${tool})
    if(tool_path)
        list(JOIN step " " command)
        message(STATUS "Running: ${command}")
        execute_process(COMMAND ${step})
    else()
        message(STATUS "Not found, not run: ${tool}")
    endif()
    unset(tool_path CACHE)
    unset(tool_path)
endforeach()
