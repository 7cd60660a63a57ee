# Compiles the help project into a .chm and checks the result: chmcmd
# answers 0 even when it wrote nothing, so the signature is the only proof.
# The pages name the program's version as @PROJECT_VERSION@: they are
# compiled from a copy beside the output with the version filled in.
# Usage: cmake -DCHMCMD=... -DPROJECT=.../Reelmark.hhp -DOUTPUT=.../Reelmark.chm
#              -DPROJECT_VERSION=... -P compile-help.cmake
get_filename_component(out_dir "${OUTPUT}" DIRECTORY)
get_filename_component(out_name "${OUTPUT}" NAME)
get_filename_component(source_dir "${PROJECT}" DIRECTORY)
get_filename_component(project_name "${PROJECT}" NAME)
set(pages_dir "${out_dir}/help-pages")
file(REMOVE_RECURSE "${pages_dir}")
file(GLOB sources "${source_dir}/*")
foreach(source ${sources})
  get_filename_component(name "${source}" NAME)
  if(name MATCHES "\\.cmake$")
    continue()
  elseif(name MATCHES "\\.html$")
    configure_file("${source}" "${pages_dir}/${name}" @ONLY)
  else()
    file(COPY "${source}" DESTINATION "${pages_dir}")
  endif()
endforeach()
file(MAKE_DIRECTORY "${out_dir}")
file(REMOVE "${OUTPUT}")
# chmcmd writes the compiled file into its working folder.
execute_process(COMMAND "${CHMCMD}" --no-html-scan "${pages_dir}/${project_name}"
  WORKING_DIRECTORY "${out_dir}" RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT result EQUAL 0 OR NOT EXISTS "${OUTPUT}")
  message(FATAL_ERROR "chmcmd did not write ${out_name}:\n${log}")
endif()
file(READ "${OUTPUT}" signature LIMIT 4 HEX)
if(NOT signature STREQUAL "49545346")  # "ITSF"
  file(REMOVE "${OUTPUT}")
  message(FATAL_ERROR "${out_name} is not a compiled HTML help file:\n${log}")
endif()
