# Installs the built library into a fresh prefix, builds the two tiny hosts against the
# installed tree only, and runs them. Inputs: BUILD_DIR, SOURCE_DIR, WORK_DIR, and the
# compiler/linker flags of the library build (so sanitizer builds stay consistent).
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
  RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "install failed")
endif()
foreach(f lib/libQIRAPropCalculator.so include/QIRAPropCalculator/QIRAPropCalculator.h
          lib/cmake/QIRAPropCalculator/QIRAPropCalculatorConfig.cmake
          lib/pkgconfig/QIRAPropCalculator.pc)
  if(NOT EXISTS ${prefix}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${prefix}/lib/pkgconfig
  ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/hosts
  -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release
  "-DCMAKE_C_FLAGS=${HOST_C_FLAGS}" "-DCMAKE_CXX_FLAGS=${HOST_CXX_FLAGS}"
  "-DCMAKE_EXE_LINKER_FLAGS=${HOST_LINK_FLAGS}"
  "-DCMAKE_BUILD_RPATH=${prefix}/lib"
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "configuring the installed hosts failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${WORK_DIR}/hosts RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "building the installed hosts failed")
endif()
foreach(host cpp_host c_host)
  execute_process(COMMAND ${WORK_DIR}/hosts/${host} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${host} failed")
  endif()
endforeach()
