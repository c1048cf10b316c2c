# Runs the program with no display at all and checks what it prints and its exit status: answers
# go to standard output with status 0, mistakes to standard error with status 1, the other stream
# staying empty; none of it may need a display or end in abort().
# Usage: cmake -DPROGRAM=... -DVERSION_LINE=... -P check_cli.cmake
cmake_minimum_required(VERSION 3.21)  # keeps the empty fields of the cases below
set(unknown "^Chromlet: Unknown option '([a-z-]+)'\\.\n$")
# Each case: environment, arguments, expected exit status, a pattern the output must match (no
# semicolons: they would split the case).
set(cases
    "|--version|0|^${VERSION_LINE}\n$"
    "|-v|0|^${VERSION_LINE}\n$"
    "|--help|0|^Usage: [^\n]*chromlet \\[options\\]\nMakes coloured player and server names.*-v, --version"
    "|--bogus|1|${unknown}"
    "|-bogus|1|${unknown}"
    "|--version --no-such-option|1|${unknown}"
    "LANGUAGE=de|--bogus|1|^Chromlet: Unbekannte Option 'bogus'\\.\n$"
    "|extra|1|^Chromlet: unexpected argument \"extra\". try --help\n$"
    # Qt's own options pass, and their values are not taken for arguments of ours.
    "|-platform offscreen -style=Fusion -reverse -qwindowtitle T x|1|unexpected argument \"x\""
    "|-style Fusion --version|0|^${VERSION_LINE}\n$"
    "||1|^Chromlet: no display to open the window on"
    # A platform Qt cannot start, like a display that cannot be reached, ends in a line of ours.
    "QT_QPA_PLATFORM=no-such-platform||1|\nChromlet: could not connect to a display[^\n]*\n$")
foreach(case ${cases})
    string(REPLACE "|" ";" case "${case}")
    # Run directly, not through cmake -E env, so that a crash shows as one and not as status 1.
    foreach(var DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_SESSION_TYPE)
        unset(ENV{${var}})
    endforeach()
    set(ENV{LANGUAGE} C)
    set(ENV{LC_ALL} C)
    list(GET case 0 env)
    if(env MATCHES "^([A-Z_]+)=(.*)$")
        set(ENV{${CMAKE_MATCH_1}} "${CMAKE_MATCH_2}")
    endif()
    list(GET case 1 args)
    separate_arguments(args)
    list(GET case 2 status)
    list(GET case 3 pattern)
    execute_process(COMMAND "${PROGRAM}" ${args}
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
    if(status EQUAL 0)
        set(text "${out}")
        set(other "${err}")
    else()
        set(text "${err}")
        set(other "${out}")
    endif()
    if(NOT rc STREQUAL status OR NOT text MATCHES "${pattern}" OR NOT other STREQUAL "")
        message(FATAL_ERROR "${env} chromlet ${args}: exit ${rc}, expected ${status}; printed:\n"
            "${out}\non standard error:\n${err}")
    endif()
endforeach()
