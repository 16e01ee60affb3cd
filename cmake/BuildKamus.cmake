# SPDX-License-Identifier: GPL-3.0-or-later
# Run at build time: makes the default dictionary KAMUS with the command-line
# client TEMBUSA_CLI when the application folder has none. An existing file
# holds the user's learned words and is left alone. (Not a custom command
# output: "clean" would delete it.)
if(NOT EXISTS "${KAMUS}")
    message(STATUS "Building the default dictionary ${KAMUS}")
    execute_process(COMMAND "${TEMBUSA_CLI}" dict build --db "${KAMUS}" RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "Building the default dictionary failed")
    endif()
endif()
