# SPDX-License-Identifier: GPL-3.0-or-later
# Packs the archive: a fresh copy of assets/ plus the generated files, zipped with
# the entry names exactly as stored (no folder entries).
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE})
file(COPY ${ASSETS}/ DESTINATION ${STAGE})
if(EXISTS ${GENERATED})
  file(COPY ${GENERATED}/ DESTINATION ${STAGE})
endif()
file(GLOB_RECURSE entries LIST_DIRECTORIES false RELATIVE ${STAGE} ${STAGE}/*)
list(FILTER entries EXCLUDE REGEX "(^|/)\\.gitkeep$")
list(SORT entries)
file(REMOVE ${OUT})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${OUT} --format=zip --mtime=2010-03-05 -- ${entries}
                WORKING_DIRECTORY ${STAGE} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "packing ${OUT} failed: ${rc}")
endif()
