# Writes OUTPUT, a module-definition file of the undecorated C exports of the DLL LIBRARY
# (read from its export table with OBJDUMP), from which MSVC's `lib /def:` makes an import
# library. The decorated C++ names follow GCC's ABI and serve GCC-built hosts only.
include(${CMAKE_CURRENT_LIST_DIR}/dll_exports.cmake)
qira_dll_exports(${OBJDUMP} ${LIBRARY} names)
list(FILTER names EXCLUDE REGEX "^_Z")
list(SORT names)
get_filename_component(dll_name ${LIBRARY} NAME)
string(REPLACE ";" "\n  " body "${names}")
file(WRITE ${OUTPUT}.tmp "LIBRARY ${dll_name}\nEXPORTS\n  ${body}\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different ${OUTPUT}.tmp ${OUTPUT})
file(REMOVE ${OUTPUT}.tmp)
