# Started where no display can be opened, relwiz says so in one line on
# standard error and exits with status 1 instead of aborting.
#   cmake -DRELWIZ=path/to/relwiz -P no_display_check.cmake
execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env --unset=WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb DISPLAY=:31999 "${RELWIZ}"
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
if(NOT status STREQUAL "1")
    message(FATAL_ERROR "exit status ${status}, expected 1; standard error:\n${err}")
endif()
string(REGEX MATCHALL "\n" line_ends "${err}")
list(LENGTH line_ends lines)
if(NOT lines EQUAL 1 OR NOT err MATCHES "^relwiz: cannot open a display: ")
    message(FATAL_ERROR "expected one line on standard error, got:\n${err}")
endif()
message(STATUS "said: ${err}")
