# Installs the build into a fresh folder and checks that the programs, its desktop entry, its
# AppStream metadata, its icons and its manual page land where desktops and man look for them,
# and that Debian's validators accept the desktop entry and the metadata. A missing validator
# fails the check: scripts/setup-deps installs them.
# Usage: cmake -DBUILD_DIR=... -DPREFIX=... -DAPP_ID=... -P check_install.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()
set(desktop share/applications/${APP_ID}.desktop)
set(metainfo share/metainfo/${APP_ID}.metainfo.xml)
set(expected
    games/chromlet
    games/chromlet-name
    ${desktop}
    ${metainfo}
    share/icons/hicolor/16x16/apps/${APP_ID}.png
    share/icons/hicolor/32x32/apps/${APP_ID}.png
    share/icons/hicolor/scalable/apps/${APP_ID}.svg
    share/man/man6/chromlet.6.gz
    share/man/man6/chromlet-name.6.gz
    share/doc/chromlet/copyright)
foreach(f ${expected})
    if(NOT EXISTS "${PREFIX}/${f}")
        message(FATAL_ERROR "not installed: ${f}")
    endif()
endforeach()
file(STRINGS "${PREFIX}/${desktop}" entry)
foreach(line "Exec=chromlet" "Icon=${APP_ID}" "Type=Application")
    list(FIND entry "${line}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the desktop entry lacks ${line}")
    endif()
endforeach()

# Each validator must pass without a single message: errors and warnings alike.
foreach(check "desktop-file-validate|${desktop}" "appstreamcli|validate|--pedantic|--no-net|${metainfo}")
    string(REPLACE "|" ";" command "${check}")
    list(POP_BACK command file)
    list(POP_FRONT command tool)
    find_program(tool_path "${tool}" NO_CACHE)
    if(NOT tool_path)
        message(FATAL_ERROR "${tool} is missing: run scripts/setup-deps")
    endif()
    execute_process(COMMAND "${tool_path}" ${command} "${PREFIX}/${file}"
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    message(STATUS "${tool}: ${out}")
    if(NOT rc EQUAL 0 OR out MATCHES "(^|\n)(E|W):|error|warning")
        message(FATAL_ERROR "${tool} rejects ${file}:\n${out}")
    endif()
    unset(tool_path)
endforeach()
message(STATUS "installed layout is complete")
