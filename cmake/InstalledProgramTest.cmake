# Installs the build into a staging prefix and runs the installed
# bin/calvexa: --version, --help and a wrong option without a display, then
# --startup-check offscreen, which must show the main menu, find the help file
# installed beside the program, and exit by itself.
#
# cmake -DBUILD_DIR=... -DSTAGE=... -DHELP_SOURCE=... -DVERSION=... -P InstalledProgramTest.cmake

foreach(var BUILD_DIR STAGE HELP_SOURCE VERSION)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install into ${STAGE} failed (${rc})")
endif()

set(program ${STAGE}/bin/calvexa)
if(NOT EXISTS ${program} OR IS_DIRECTORY ${program})
  message(FATAL_ERROR "${program} is not installed")
endif()

# No display at all: --version must still answer.
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})
execute_process(COMMAND ${program} --version RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "Calvexa ${VERSION}\n")
  message(FATAL_ERROR "calvexa --version: exit ${rc}, printed '${out}', errors '${err}'; "
                      "expected 'Calvexa ${VERSION}'")
endif()

# --help and -h: the usage on standard output, nothing else, status 0.
foreach(option --help -h)
  execute_process(COMMAND ${program} ${option} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
  if(NOT rc EQUAL 0 OR NOT err STREQUAL "" OR NOT out MATCHES "^Usage: calvexa \\[OPTION\\]\\.\\.\\.\n"
     OR NOT out MATCHES "\n      --startup-check ")
    message(FATAL_ERROR "calvexa ${option}: exit ${rc}, printed '${out}', errors '${err}'; "
                        "expected the usage on standard output and exit 0")
  endif()
  set(usage_${option} "${out}")
endforeach()
if(NOT usage_--help STREQUAL usage_-h)
  message(FATAL_ERROR "calvexa -h and --help print different texts")
endif()

# A wrong option or an operand: one line naming it, then the usage, both on
# standard error, status 2, as GNU programs do.
foreach(case "--foo|calvexa: unrecognized option '--foo'" "-x|calvexa: invalid option -- 'x'"
             "chart.csv|calvexa: extra operand 'chart.csv'")
  string(REPLACE "|" ";" case "${case}")
  list(GET case 0 argument)
  list(GET case 1 line)
  execute_process(COMMAND ${program} --startup-check ${argument}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
  if(NOT rc EQUAL 2 OR NOT out STREQUAL "" OR NOT err STREQUAL "${line}\n${usage_--help}")
    message(FATAL_ERROR "calvexa --startup-check ${argument}: exit ${rc}, printed '${out}', errors '${err}'; "
                        "expected exit 2 and, on standard error only, '${line}' and the usage")
  endif()
endforeach()

set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(COMMAND ${program} --startup-check
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
message(STATUS "calvexa --startup-check printed:\n${out}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "calvexa --startup-check exited with '${rc}'; errors:\n${err}")
endif()
if(NOT out MATCHES "(^|\n)main menu: shown\n")
  message(FATAL_ERROR "the main menu was not shown")
endif()

# The help file must be the one installed beside the program, and be the
# project's help page.
file(REAL_PATH ${STAGE}/libexec/calvexa/CalvexaHelp.html expected_help)
if(NOT out MATCHES "(^|\n)help file: ([^\n]*)\n")
  message(FATAL_ERROR "no help file line")
endif()
set(help ${CMAKE_MATCH_2})
if(NOT EXISTS ${help})
  message(FATAL_ERROR "the help file the program uses, ${help}, does not exist")
endif()
file(REAL_PATH ${help} help)
if(NOT help STREQUAL expected_help)
  message(FATAL_ERROR "the program uses the help file ${help}, expected ${expected_help}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${help} ${HELP_SOURCE} RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "${help} differs from ${HELP_SOURCE}")
endif()
if(NOT out MATCHES "(^|\n)help file found: yes\n")
  message(FATAL_ERROR "the program says it did not find ${help}")
endif()
