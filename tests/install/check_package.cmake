# Builds the Debian package from the build folder and checks what it holds and declares, then
# has lintian check it: any error fails, warnings are shown. A missing tool fails the check:
# scripts/setup-deps installs them.
# Usage: cmake -DBUILD_DIR=... -DOUT_DIR=... -DAPP_ID=... -DVERSION=... -P check_package.cmake
foreach(tool cpack dpkg dpkg-deb dpkg-shlibdeps lintian)
    find_program(${tool}_path ${tool} NO_CACHE)
    if(NOT ${tool}_path)
        message(FATAL_ERROR "${tool} is missing: run scripts/setup-deps")
    endif()
endforeach()

file(REMOVE_RECURSE "${OUT_DIR}")
execute_process(COMMAND "${cpack_path}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake"
        -B "${OUT_DIR}"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cpack failed:\n${out}")
endif()
execute_process(COMMAND "${dpkg_path}" --print-architecture OUTPUT_VARIABLE arch
    OUTPUT_STRIP_TRAILING_WHITESPACE)
set(deb "${OUT_DIR}/chromlet_${VERSION}_${arch}.deb")
if(NOT EXISTS "${deb}")
    file(GLOB made "${OUT_DIR}/*.deb")
    message(FATAL_ERROR "no ${deb}; cpack made: ${made}")
endif()

execute_process(COMMAND "${dpkg-deb_path}" --info "${deb}" OUTPUT_VARIABLE info)
message(STATUS "dpkg-deb --info:\n${info}")
foreach(field "Package: chromlet" "Version: ${VERSION}" "Architecture: ${arch}"
        "Section: games" "Maintainer: [^\n]+ <[^\n]+@[^\n]+>" "Depends: [^\n]*libqt6widgets6"
        "Depends: [^\n]*libquazip1-qt6"
        "Description: [a-z][^\n]+\n [^\n]+")
    if(NOT info MATCHES "\n ${field}")
        message(FATAL_ERROR "the package's control data lacks \"${field}\"")
    endif()
endforeach()

execute_process(COMMAND "${dpkg-deb_path}" --contents "${deb}" OUTPUT_VARIABLE contents)
message(STATUS "dpkg-deb --contents:\n${contents}")
set(icon_sizes 16 32 48 64 128 256)
set(icons)
foreach(size ${icon_sizes})
    list(APPEND icons usr/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(path usr/games/chromlet usr/games/chromlet-name usr/share/applications/${APP_ID}.desktop
        usr/share/metainfo/${APP_ID}.metainfo.xml ${icons}
        usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg
        usr/share/man/man6/chromlet.6.gz usr/share/man/man6/chromlet-name.6.gz
        usr/share/doc/chromlet/copyright)
    string(REPLACE "." "\\." pattern "${path}")
    if(NOT contents MATCHES " \\./${pattern}\n")
        message(FATAL_ERROR "the package lacks /${path}")
    endif()
endforeach()
if(contents MATCHES " \\./usr/local")
    message(FATAL_ERROR "the package installs under /usr/local")
endif()

# A desktop takes an icon under hicolor/NxN for N×N pixels: check the size each PNG's header
# states (the big-endian width and height at bytes 16 to 23).
set(unpacked "${OUT_DIR}/unpacked")
execute_process(COMMAND "${dpkg-deb_path}" -x "${deb}" "${unpacked}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "dpkg-deb -x failed: ${rc}")
endif()
foreach(size ${icon_sizes})
    set(png "${unpacked}/usr/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png")
    file(READ "${png}" header LIMIT 24 HEX)
    if(NOT header MATCHES "^89504e470d0a1a0a0000000d49484452(........)(........)$")
        message(FATAL_ERROR "not a PNG: ${png}")
    endif()
    math(EXPR width "0x${CMAKE_MATCH_1}")
    math(EXPR height "0x${CMAKE_MATCH_2}")
    if(NOT width EQUAL size OR NOT height EQUAL size)
        message(FATAL_ERROR "the ${size}x${size} icon is ${width}x${height} pixels")
    endif()
endforeach()

execute_process(COMMAND "${lintian_path}" --fail-on error "${deb}"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
message(STATUS "lintian:\n${out}")
if(NOT rc EQUAL 0 OR out MATCHES "(^|\n)E: ")
    message(FATAL_ERROR "lintian finds errors in the package")
endif()
