# Builds the docs pages' worked examples against the public headers only (configured once
# per build tree, rebuilt when a source or the library changes), runs them and
# the example host, and compares what they print with the expected outputs kept beside
# them (examples/docs/<page>.out, examples/example_host.out). Also checks that every page
# still shows the kept program and output.
# Inputs: SOURCE_DIR (examples), DOCS_DIR, WORK_DIR, INCLUDE_DIR, LIBRARY, HOST, PYTHON,
# and the compiler/linker flags of the library build; for a cross build, TOOLCHAIN (the
# toolchain file the programs are built with) and EMULATOR (what runs them, e.g. Wine,
# which finds the DLL through WINEPATH) and EXE_SUFFIX.
# The build folder is kept between runs: only what changed is rebuilt.
file(GLOB old_outputs ${WORK_DIR}/*.txt ${WORK_DIR}/chart.svg)
if(old_outputs)
  file(REMOVE ${old_outputs})
endif()
if(NOT EXISTS ${WORK_DIR}/build/CMakeCache.txt)
  execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR}/docs -B ${WORK_DIR}/build
    -DCMAKE_BUILD_TYPE=Release -DQIRA_INCLUDE_DIR=${INCLUDE_DIR} -DQIRA_LIBRARY=${LIBRARY}
    "-DCMAKE_C_FLAGS=${HOST_C_FLAGS}" "-DCMAKE_CXX_FLAGS=${HOST_CXX_FLAGS}"
    "-DCMAKE_EXE_LINKER_FLAGS=${HOST_LINK_FLAGS}" "-DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN}"
    RESULT_VARIABLE rc OUTPUT_QUIET)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "configuring the docs examples failed")
  endif()
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${WORK_DIR}/build RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "building the docs examples failed")
endif()

get_filename_component(library_dir ${LIBRARY} DIRECTORY)
set(env ${CMAKE_COMMAND} -E env WINEPATH=${library_dir})
set(failed "")
set(pairs "")
function(compare name expected actual_text)
  file(WRITE ${WORK_DIR}/${name}.txt "${actual_text}")
  set(pairs ${pairs} ${expected} ${WORK_DIR}/${name}.txt PARENT_SCOPE)
endfunction()

file(GLOB outputs ${SOURCE_DIR}/docs/*.out)
foreach(expected ${outputs})
  get_filename_component(name ${expected} NAME_WE)
  execute_process(COMMAND ${env} ${EMULATOR} ${WORK_DIR}/build/${name}${EXE_SUFFIX} OUTPUT_VARIABLE out RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    set(failed "${failed} ${name}(exit ${rc})")
  endif()
  compare(${name} ${expected} "${out}")
endforeach()

# The host names the library it loaded and the chart it wrote: both paths vary.
execute_process(COMMAND ${env} QIRA_SVG=${WORK_DIR}/chart.svg
  ${EMULATOR} ${HOST} ${LIBRARY} OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT EXISTS ${WORK_DIR}/chart.svg)
  set(failed "${failed} example_host(exit ${rc})")
endif()
string(REPLACE "${LIBRARY}" "LIBRARY" out "${out}")
string(REPLACE "${WORK_DIR}/chart.svg" "CHART" out "${out}")
compare(example_host ${SOURCE_DIR}/example_host.out "${out}")

execute_process(COMMAND ${PYTHON} ${SOURCE_DIR}/check_output.py ${pairs} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  set(failed "${failed} outputs")
endif()
execute_process(COMMAND ${PYTHON} ${SOURCE_DIR}/docs/check_pages.py ${DOCS_DIR}
  ${SOURCE_DIR}/docs RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  set(failed "${failed} docs-pages")
endif()
if(failed)
  message(FATAL_ERROR "checked outputs failed:${failed}")
endif()
