# `vandrell-cli dxf` and `render` as a user runs them: options typed as in the dialogs, in
# the unit in force; refusals with their exit codes.
set(AIRFOIL ${DIR}/clarky.dat)
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})

include(${CMAKE_CURRENT_LIST_DIR}/runcli.cmake)

# Stops with `why` unless `text` stands in `file`, byte for byte (file(READ) as text would
# drop the CRs); given START, at its very start.
function(expect_bytes file text why)
  file(READ ${file} bytes HEX)
  string(HEX "${text}" hex)
  string(FIND "${bytes}" "${hex}" at)
  if(at EQUAL -1 OR (ARGN STREQUAL "START" AND NOT at EQUAL 0))
    message(FATAL_ERROR "${why}")
  endif()
endfunction()

run(0 dxf ${AIRFOIL} -o ${OUT}/rib.dxf --chord 180 --sheeting 2 --le 8 --te 12 --marks 4)
expect_bytes(${OUT}/rib.dxf "0\r\nSECTION\r\n2\r\nHEADER\r\n" "rib.dxf does not start with the header" START)
expect_bytes(${OUT}/rib.dxf "8\r\nLayer01\r\n10\r\n180.0\r\n" "rib.dxf: the outline does not end at 180 mm")

# An inch fraction typed as in the chord dialog: 7 7/8 in.
run(0 --unit in dxf ${AIRFOIL} -o ${OUT}/inch.dxf --chord 7.7/8)
expect_bytes(${OUT}/inch.dxf "8\r\nLayer01\r\n10\r\n7.875\r\n" "inch.dxf: the outline does not end at 7.875 in")

# An upside-down rib is not exported, whether the option or the project's own flag turns it.
file(WRITE ${OUT}/english.ini "[Language]\nLangue=English\n")
# A settings file named that is no file is refused as the inputs are.
expect_refused(not-a-file --ini ${OUT} info ${AIRFOIL})
file(STRINGS ${DIR}/../lang/English.lng refusal REGEX "^1=The rib is shown upside down")
string(REGEX REPLACE "^1=" "" refusal "${refusal}")
foreach(input "${AIRFOIL};--inverted" "${DATA}/projects/full_mm.vdl;--inverted" ${DATA}/projects/upside_down_mm.vdl)
  expect_refused(upside-down --ini ${OUT}/english.ini dxf ${input} -o ${OUT}/inverted.dxf --airfoil-dir ${DIR})
  if(NOT last_err STREQUAL "${refusal}\n" OR EXISTS ${OUT}/inverted.dxf)
    message(FATAL_ERROR "an upside-down rib was exported: ${input}: ${last_err}")
  endif()
endforeach()
# A rib the window's status bar warns of is drawn all the same, and the warning is said:
# clarky at a chord of 100 mm is 11.71 mm thick at most, less than two sheetings of 6 mm.
file(STRINGS ${DIR}/../lang/English.lng sheeting REGEX "^1=The sheeting leaves no rib")
string(REGEX REPLACE "^1=" "" sheeting "${sheeting}")
run(0 --ini ${OUT}/english.ini dxf ${AIRFOIL} -o ${OUT}/sheeted.dxf --chord 100 --sheeting 6)
if(NOT last_err STREQUAL "warning: ${sheeting} (11.71 mm).\n" OR NOT EXISTS ${OUT}/sheeted.dxf)
  message(FATAL_ERROR "a sheeting that fills the rib: ${last_err}")
endif()
run(0 --ini ${OUT}/english.ini dxf ${AIRFOIL} -o ${OUT}/sheeted.dxf --chord 100 --sheeting 5.8)
if(NOT last_err STREQUAL "")
  message(FATAL_ERROR "a sheeting that leaves a rib was warned of: ${last_err}")
endif()
# The texts of the window boxes' reader, each given to a length option: the rib drawn is the
# one of the value worked out by hand, or the text is refused as a usage error.
function(expect_same_rib unit option text value)
  run(0 --unit ${unit} dxf ${AIRFOIL} -o ${OUT}/typed.dxf --chord 10 ${option} "${text}")
  run(0 --unit ${unit} dxf ${AIRFOIL} -o ${OUT}/value.dxf --chord 10 ${option} ${value})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/typed.dxf ${OUT}/value.dxf RESULT_VARIABLE differ)
  if(differ)
    message(FATAL_ERROR "${option} \"${text}\" in ${unit} is not ${value}")
  endif()
endfunction()
# The reader's forms themselves are its own tests'; here that the options go through it.
expect_same_rib(mm --sheeting "1,5" 1.5)
expect_same_rib(in --le "7-1/2" 7.5)
# The comparison sees the option: 7.4 in is another rib.
run(0 --unit in dxf ${AIRFOIL} -o ${OUT}/other.dxf --chord 10 --le 7.4)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/typed.dxf ${OUT}/other.dxf RESULT_VARIABLE differ)
if(NOT differ)
  message(FATAL_ERROR "--le 7-1/2 and 7.4 drew the same rib")
endif()
run(64 dxf ${AIRFOIL} -o ${OUT}/comma.dxf --sheeting 1,2,3)
run(64 --unit in dxf ${AIRFOIL} -o ${OUT}/comma.dxf --le "7 1/0")
run(64 --unit in dxf ${AIRFOIL} -o ${OUT}/comma.dxf --sheeting -1/2)
expect_match(last_err "--sheeting takes a length in in, not \"-1/2\"" "a negative sheeting: ${last_err}")
run(64 dxf ${AIRFOIL} -o ${OUT}/slash.dxf --chord 7.7/8)
run(2 dxf ${AIRFOIL} -o ${OUT}/long.dxf --le 150 --te 60)
run(64 dxf ${AIRFOIL})
# A file that cannot be written is an error (1), told on standard error, not a refusal (2).
run(1 dxf ${AIRFOIL} -o ${OUT}/no-such-folder/rib.dxf)
if(NOT last_out STREQUAL "" OR last_err STREQUAL "")
  message(FATAL_ERROR "dxf into a missing folder: [${last_out}] [${last_err}]")
endif()

# A build without Qt draws no picture and says so; the pictures' checks are the painting build's.
if(NOT PAINTING)
  run(1 render ${AIRFOIL} -o ${OUT}/rib.png)
  if(NOT last_err MATCHES "render needs the build with Qt" OR EXISTS ${OUT}/rib.png)
    message(FATAL_ERROR "render without Qt: ${last_err}")
  endif()
endif()
if(PAINTING)
  foreach(ext png svg pdf)
    run(0 render ${AIRFOIL} -o ${OUT}/rib.${ext} --zoom 1.5 --marks 3 --inverted)
    file(SIZE ${OUT}/rib.${ext} size)
    if(size LESS 1000)
      message(FATAL_ERROR "rib.${ext} is only ${size} bytes")
    endif()
  endforeach()
  # 600 mm at zoom 10 would be 6 m across, some 22700 pixels at 96 dpi: more than the 20000 allowed.
  expect_refused(too-large render ${AIRFOIL} -o ${OUT}/huge.png --chord 600 --zoom 10)
  expect_absent("a picture too large to make was made" ${OUT}/huge.png)
endif()
# A project brings its spars, holes and tabs; its airfoil is looked up as the program does.
run(0 dxf ${DATA}/projects/full_mm.vdl -o ${OUT}/project.dxf --airfoil-dir ${DIR})
expect_bytes(${OUT}/project.dxf "0\r\nPOLYLINE\r\n5\r\n 502\r\n100\r\nAcDbEntity\r\n8\r\nTALON\r\n"
             "project.dxf has no tab board line")
# render draws an upside-down project upside down, as the option draws the same project upright
# from its file; the pictures carry their file name, so each goes into a folder of its own.
if(PAINTING)
  foreach(case upright flag option)
    file(MAKE_DIRECTORY ${OUT}/${case})
  endforeach()
  run(0 render ${DATA}/projects/full_mm.vdl -o ${OUT}/upright/rib.svg --airfoil-dir ${DIR})
  run(0 render ${DATA}/projects/upside_down_mm.vdl -o ${OUT}/flag/rib.svg --airfoil-dir ${DIR})
  run(0 render ${DATA}/projects/full_mm.vdl -o ${OUT}/option/rib.svg --airfoil-dir ${DIR} --inverted)
  file(READ ${OUT}/upright/rib.svg upright)
  file(READ ${OUT}/flag/rib.svg flag)
  file(READ ${OUT}/option/rib.svg option)
  if(flag STREQUAL upright OR NOT flag STREQUAL option)
    message(FATAL_ERROR "render did not draw the upside-down project upside down")
  endif()
endif()
file(MAKE_DIRECTORY ${OUT}/empty)
expect_refused(airfoil-missing dxf ${DATA}/projects/full_mm.vdl -o ${OUT}/missing.dxf --airfoil-dir ${OUT}/empty)
if(NOT PAINTING)
  return()
endif()
# Drawing an older project leaves the file as it was: only opening it in the program converts it.
file(COPY ${DATA}/projects/older_full.vdl DESTINATION ${OUT})
run(0 render ${OUT}/older_full.vdl -o ${OUT}/older.png --airfoil-dir ${DIR})
file(READ ${OUT}/older_full.vdl after HEX)
file(READ ${DATA}/projects/older_full.vdl before HEX)
expect_equal(after "${before}" "render rewrote the older project it read")

run(64 render ${AIRFOIL} -o ${OUT}/rib.jpg)
run(64 render ${AIRFOIL} -o ${OUT}/rib.png --zoom 0)
run(1 render ${AIRFOIL} -o ${OUT}/no-such-folder/rib.png)
if(NOT last_out STREQUAL "" OR last_err STREQUAL "")
  message(FATAL_ERROR "render into a missing folder: [${last_out}] [${last_err}]")
endif()
