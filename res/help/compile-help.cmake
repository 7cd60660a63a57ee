# Compiles the help project into a .chm and checks the result: chmcmd
# answers 0 even when it wrote nothing, so the signature is the only proof.
# Usage: cmake -DCHMCMD=... -DPROJECT=.../Reelmark.hhp -DOUTPUT=.../Reelmark.chm -P compile-help.cmake
get_filename_component(out_dir "${OUTPUT}" DIRECTORY)
get_filename_component(out_name "${OUTPUT}" NAME)
file(MAKE_DIRECTORY "${out_dir}")
file(REMOVE "${OUTPUT}")
# chmcmd writes the compiled file into its working folder.
execute_process(COMMAND "${CHMCMD}" --no-html-scan "${PROJECT}"
  WORKING_DIRECTORY "${out_dir}" RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT result EQUAL 0 OR NOT EXISTS "${OUTPUT}")
  message(FATAL_ERROR "chmcmd did not write ${out_name}:\n${log}")
endif()
file(READ "${OUTPUT}" signature LIMIT 4 HEX)
if(NOT signature STREQUAL "49545346")  # "ITSF"
  file(REMOVE "${OUTPUT}")
  message(FATAL_ERROR "${out_name} is not a compiled HTML help file:\n${log}")
endif()
