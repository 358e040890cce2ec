# The engine's sources, for the library and for the programs that compile the
# engine into themselves (benchmark, fuzzers): every .cpp under expression/
# and services/, and the shipped integral table, embedded byte for byte so
# that the engine can put it into a data folder that has none.
set(VEMTRA_DIR ${CMAKE_CURRENT_LIST_DIR})
get_filename_component(VEMTRA_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)

# Sets out to the list of sources; the generated one goes to the calling
# directory's binary folder.
function(vemtra_sources out)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
    ${VEMTRA_DIR}/expression/*.cpp
    ${VEMTRA_DIR}/services/*.cpp)
  set(table ${VEMTRA_ROOT}/resources/integrals.txt)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${table})
  file(READ ${table} hex HEX)
  string(REGEX REPLACE "(..)" "0x\\1," SHIPPED_INTEGRALS_BYTES "${hex}")
  configure_file(${VEMTRA_DIR}/services/ShippedIntegrals.cpp.in
    ${CMAKE_CURRENT_BINARY_DIR}/ShippedIntegrals.cpp @ONLY)
  set(${out} ${sources} ${CMAKE_CURRENT_BINARY_DIR}/ShippedIntegrals.cpp PARENT_SCOPE)
endfunction()

# Include folders of the engine's sources: public headers, then the message table.
set(VEMTRA_PUBLIC_INCLUDES ${VEMTRA_DIR}/expression ${VEMTRA_DIR}/services)
set(VEMTRA_PRIVATE_INCLUDES ${VEMTRA_ROOT}/resources)
