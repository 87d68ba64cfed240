# `vandrell-cli info` prepares every starter airfoil; the two whose first point is not
# exactly x = 1 are refused.
file(GLOB airfoils ${DIR}/*.dat)
foreach(f ${airfoils})
  get_filename_component(name ${f} NAME)
  execute_process(COMMAND ${CLI} info ${f} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(name STREQUAL "ag04.dat" OR name STREQUAL "e664ex.dat")
    if(NOT rc EQUAL 2 OR NOT out STREQUAL "refused: first-point\n")
      message(FATAL_ERROR "${name}: expected a first-point refusal, got ${rc}: ${out}")
    endif()
  else()
    if(NOT rc EQUAL 0 OR NOT out MATCHES "^title: .*\npoints: [0-9]+\ndensified: [0-9]+\nupper: [0-9]+\nlower: [0-9]+\nymax: [-0-9.]+\nymin: [-0-9.]+\nthickness: [-0-9.]+ at [-0-9.]+\ncamber: [-0-9.]+ at -?[0-9]+\n$")
      message(FATAL_ERROR "${name}: ${rc}\n${out}\n${err}")
    endif()
  endif()
endforeach()

# A flat plate of five points: no interval has height to step through, so the outline is the
# file's own points, the nose the third, and both surfaces three points long.
set(flat ${CMAKE_CURRENT_BINARY_DIR}/cli_info_flat.dat)
file(WRITE ${flat} "flat\n1 0\n0.5 0\n0 0\n0.5 0\n1 0\n")
execute_process(COMMAND ${CLI} info ${flat} RESULT_VARIABLE rc OUTPUT_VARIABLE out)
file(REMOVE ${flat})
if(NOT rc EQUAL 0 OR NOT out MATCHES "\npoints: 5\ndensified: 5\nupper: 3\nlower: 3\n")
  message(FATAL_ERROR "flat plate: ${rc}\n${out}")
endif()
