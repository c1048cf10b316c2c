# Installs the build into a fresh folder and checks that the program, its desktop entry and its
# icons land where desktops look for them.
# Usage: cmake -DBUILD_DIR=... -DPREFIX=... -P check_install.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()
set(expected
    bin/chromlet
    share/applications/chromlet.desktop
    share/icons/hicolor/16x16/apps/chromlet.png
    share/icons/hicolor/32x32/apps/chromlet.png
    share/icons/hicolor/scalable/apps/chromlet.svg)
foreach(f ${expected})
    if(NOT EXISTS "${PREFIX}/${f}")
        message(FATAL_ERROR "not installed: ${f}")
    endif()
endforeach()
file(STRINGS "${PREFIX}/share/applications/chromlet.desktop" entry)
foreach(line "Exec=chromlet" "Icon=chromlet" "Type=Application")
    list(FIND entry "${line}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the desktop entry lacks ${line}")
    endif()
endforeach()
find_program(VALIDATE desktop-file-validate)
if(VALIDATE)
    execute_process(COMMAND "${VALIDATE}" "${PREFIX}/share/applications/chromlet.desktop"
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "desktop-file-validate: ${out}")
    endif()
endif()
message(STATUS "installed layout is complete")
