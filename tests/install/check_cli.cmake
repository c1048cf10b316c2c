# Runs the program with the options that answer on the terminal, with no display at all, and
# checks what it prints and its exit status.
# Usage: cmake -DPROGRAM=... -DVERSION_LINE=... -P check_cli.cmake
set(no_display -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
    LANGUAGE=C LC_ALL=C)
# Each case: arguments, expected exit status, a pattern the output must match.
set(cases
    "--version|0|^${VERSION_LINE}\n$"
    "-v|0|^${VERSION_LINE}\n$"
    "--help|0|^Usage: [^\n]*chromlet \\[options\\]\n.*-v, --version"
    "--help|0|Makes coloured player and server names"
    "--version --no-such-option|1|Unknown option 'no-such-option'")
foreach(case ${cases})
    string(REPLACE "|" ";" case "${case}")
    list(GET case 0 args)
    separate_arguments(args)
    list(GET case 1 status)
    list(GET case 2 pattern)
    execute_process(COMMAND "${CMAKE_COMMAND}" ${no_display} "${PROGRAM}" ${args}
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT rc STREQUAL status OR NOT out MATCHES "${pattern}")
        message(FATAL_ERROR "chromlet ${args}: exit ${rc}, expected ${status}; printed:\n${out}")
    endif()
endforeach()
