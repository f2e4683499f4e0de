# Writes the manual page of quillon from the program's own help texts, so that the two say the
# same: the page's template with the text of `quillon --help` and of `quillon COMMAND --help`
# for every command that help lists.
# Run as: cmake -DQUILLON=<program> -DTEMPLATE=<quillon.1.in> -DOUTPUT=<quillon.1>
#               -DVERSION=<version> -P make_manual.cmake
cmake_minimum_required(VERSION 3.25)

# Help text as preformatted troff: backslashes and hyphens escaped, no line read as a request.
function(as_troff text out)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "-" "\\-" text "${text}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(help_of out)
    execute_process(COMMAND "${QUILLON}" ${ARGN} --help OUTPUT_VARIABLE text
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${QUILLON} ${ARGN} --help ended with ${status}")
    endif()
    as_troff("${text}" text)
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND "${QUILLON}" --help OUTPUT_VARIABLE top RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${QUILLON} --help ended with ${status}")
endif()
string(REGEX MATCH "\nCommands[^\n]*\n((  [a-z]+ +[^\n]*\n)+)" found "${top}")
string(REGEX MATCHALL "\n  [a-z]+" names "\n${CMAKE_MATCH_1}")
if(NOT names)
    message(FATAL_ERROR "${QUILLON} --help lists no commands")
endif()

help_of(DESCRIPTION)
set(COMMANDS "")
foreach(name IN LISTS names)
    string(STRIP "${name}" name)
    help_of(text "${name}")
    string(APPEND COMMANDS ".SS quillon ${name}\n.in 0\n.nf\n${text}.fi\n.in\n")
endforeach()
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
