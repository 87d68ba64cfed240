# `vandrell-cli cut` as a user runs it: formats by extension and option, the kerf and the
# marks, the upside-down rib written upright, and every refusal with its exit status and
# nothing written.
set(AIRFOIL ${DIR}/clarky.dat)
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})

include(${CMAKE_CURRENT_LIST_DIR}/runcli.cmake)

function(expect_text file text)
  file(READ ${file} bytes)
  string(FIND "${bytes}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${file} lacks \"${text}\"")
  endif()
endfunction()

set(RIB --chord 180 --sheeting 2 --le 8 --te 12 --marks 4)
run(0 cut ${AIRFOIL} -o ${OUT}/rib.dxf ${RIB} --kerf 0.2 --engrave yes)
expect_text(${OUT}/rib.dxf "AC1015")
expect_text(${OUT}/rib.dxf "LWPOLYLINE")
expect_text(${OUT}/rib.dxf "MARK")
run(0 cut ${AIRFOIL} -o ${OUT}/rib12.DXF --dxf r12 ${RIB})
expect_text(${OUT}/rib12.DXF "AC1009")
run(0 cut ${AIRFOIL} -o ${OUT}/rib.svg ${RIB} --kerf .15)
expect_text(${OUT}/rib.svg "<g id=\"CUT\">")
# Millimetres whatever the unit: a 7 in chord is 177.8 mm long.
run(0 --unit in cut ${AIRFOIL} -o ${OUT}/inch.svg --chord 7)
expect_text(${OUT}/inch.svg "L 177.8 ")

# Upside down, the rib is written upright: the same file as without the option.
run(0 cut ${AIRFOIL} -o ${OUT}/upright.dxf ${RIB})
run(0 cut ${AIRFOIL} -o ${OUT}/inverted.dxf ${RIB} --inverted)
file(SHA256 ${OUT}/upright.dxf a)
file(SHA256 ${OUT}/inverted.dxf b)
expect_equal(a "${b}" "the upside-down rib is not written upright")
run(0 cut ${DATA}/projects/full_mm.vdl -o ${OUT}/project.dxf --airfoil-dir ${DIR})

# Usage errors: 64, nothing written.
foreach(args "-o;${OUT}/x.svg;--dxf;r12" "-o;${OUT}/x.dxf;--dxf;r14" "-o;${OUT}/x.pdf" "-o;${OUT}/x.dxf;--kerf;0,2,3"
             "-o;${OUT}/x.dxf;--engrave;maybe" "-o;${OUT}/x.dxf;--chord;abc")
  run(64 cut ${AIRFOIL} ${args})
  expect_absent("${args}: a file was written on a usage error" ${OUT}/x.svg ${OUT}/x.dxf ${OUT}/x.pdf)
endforeach()
run(64 cut -o ${OUT}/x.dxf)

# Refusals: 2, the key on standard output.
expect_refused(kerf cut ${AIRFOIL} -o ${OUT}/x.dxf --kerf 10.5)
expect_absent("a kerf of 10.5 mm: written all the same" ${OUT}/x.dxf)
# Clark Y at 200 mm is 23.4 mm thick: 12 mm sheeting on both sides leaves nothing.
foreach(te 0 15)
  run(2 cut ${AIRFOIL} -o ${OUT}/x.dxf --chord 200 --sheeting 12 --te ${te})
  if(NOT last_out STREQUAL "refused: no-rib-left\n" OR NOT last_err MATCHES "clarky\\.dat" OR EXISTS ${OUT}/x.dxf)
    message(FATAL_ERROR "sheeting 12 mm, te ${te}: ${last_out}${last_err}")
  endif()
endforeach()
run(2 cut ${OUT}/missing.dat -o ${OUT}/x.dxf)
expect_absent("a file was written for a missing airfoil" ${OUT}/x.dxf)

# A write that fails: 1, the general error report naming the file.
run(1 cut ${AIRFOIL} -o ${OUT}/no/such/folder/x.dxf)
string(FIND "${last_err}" "${OUT}/no/such/folder/x.dxf" at)
if(at EQUAL -1 OR NOT last_out STREQUAL "")
  message(FATAL_ERROR "a failed write: ${last_out}${last_err}")
endif()

# Every file read back by the real readers.
execute_process(COMMAND /usr/bin/python3 ${SOURCE}/tests/output/check_cut_files.py ${OUT}/rib.dxf ${OUT}/rib12.DXF
                        ${OUT}/rib.svg ${OUT}/project.dxf
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the readers refuse the files:\n${out}${err}")
endif()
