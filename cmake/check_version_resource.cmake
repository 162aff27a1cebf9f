# Reads a DLL's version resource back with the resource compiler and checks the
# versions, names and the Russian description.
execute_process(COMMAND ${WINDRES} -i ${DLL} -O rc OUTPUT_VARIABLE rc RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${WINDRES} cannot read the resources of ${DLL}")
endif()
string(REPLACE "." "," commas "${VERSION}")
# "Построение диаграмм" as the resource compiler prints its UTF-16 text.
set(description [[L"\x041f\x043e\x0441\x0442\x0440\x043e\x0435\x043d\x0438\x0435 \x0434\x0438\x0430\x0433\x0440\x0430\x043c\x043c"]])
foreach(expected
    "FILEVERSION ${commas}"
    "PRODUCTVERSION ${commas}"
    "VALUE \"FileVersion\", \"${VERSION}\""
    "VALUE \"ProductVersion\", \"${VERSION}\""
    "VALUE \"ProductName\", \"Pirogram\""
    "VALUE \"CompanyName\", \"Plotwright\""
    "VALUE \"FileDescription\", ${description}"
    "VALUE \"Translation\", 0x419, 1251")
  string(REPLACE ", " "," flat "${rc}")
  string(REPLACE ", " "," want "${expected}")
  string(FIND "${flat}" "${want}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the version resource of ${DLL} lacks: ${expected}\n${rc}")
  endif()
endforeach()
message(STATUS "version resource: ${VERSION}")
