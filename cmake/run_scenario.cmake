# Runs one host script and compares what it prints with the expected output.
# A line "# args: ..." in the script gives extra host arguments. The host runs
# with --quiet (no notes of ignored parameters and written files) unless a line
# "# notes: shown" asks for them. Any exit status
# but 0 fails, even when the output matches, unless a line "# exit: N" in the
# script expects that status (a script that tests the host's own errors).
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(stem ${SCRIPT} NAME_WE)
set(expected_file ${dir}/${stem}.out)
# Output that rests on measured text (mark boxes, say) may differ by a pixel
# between the platforms' fonts: a Windows build under its emulator then compares
# with ${stem}.windows.out where the script has one.
if(EMULATOR AND EXISTS ${dir}/${stem}.windows.out)
  set(expected_file ${dir}/${stem}.windows.out)
endif()
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
file(STRINGS ${SCRIPT} first REGEX "^# args: " LIMIT_COUNT 1)
set(extra "")
if(first MATCHES "^# args: (.*)$")
  separate_arguments(extra UNIX_COMMAND "${CMAKE_MATCH_1}")
endif()
file(STRINGS ${SCRIPT} notes_line REGEX "^# notes: shown$" LIMIT_COUNT 1)
if(NOT notes_line)
  list(PREPEND extra --quiet)
endif()
set(expected_rc 0)
file(STRINGS ${SCRIPT} exit_line REGEX "^# exit: " LIMIT_COUNT 1)
if(exit_line MATCHES "^# exit: ([0-9]+)$")
  set(expected_rc ${CMAKE_MATCH_1})
endif()
set(cmd ${HOST} ${extra} ${SCRIPT})
if(EMULATOR)
  set(cmd ${EMULATOR} ${cmd})
endif()
execute_process(COMMAND ${cmd} WORKING_DIRECTORY ${WORKDIR}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
set(actual "${out}")
if(err)
  string(APPEND actual "stderr: ${err}")
endif()
string(APPEND actual "exit: ${rc}\n")
file(WRITE ${WORKDIR}/actual.out "${actual}")
if(NOT "${rc}" STREQUAL "${expected_rc}")
  message(FATAL_ERROR "scenario ${stem}: the host exited with ${rc}, not ${expected_rc}\n${actual}")
endif()
file(READ ${expected_file} expected)
if(NOT actual STREQUAL expected)
  execute_process(COMMAND diff -u ${expected_file} ${WORKDIR}/actual.out)
  message(FATAL_ERROR "scenario ${stem}: output differs from ${expected_file}")
endif()
