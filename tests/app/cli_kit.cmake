# `vandrell-cli kit` as a user runs it: a series' summary or its rib files with a template,
# the files it writes, the figures it prints, each refusal with nothing written, and the
# sheets read back by the readers cutting software is built on.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT}/series)
# As under cron or ssh: Qt's warning about it is not passed on.
unset(ENV{XDG_RUNTIME_DIR})

include(${CMAKE_CURRENT_LIST_DIR}/runcli.cmake)

function(expect_out text)
  string(FIND "${last_out}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the output lacks \"${text}\":\n${last_out}${last_err}")
  endif()
endfunction()

run(0 series ${DIR}/clarky.dat ${DIR}/sd7037.dat --root-chord 240 --tip-chord 150 --ribs 10 -o ${OUT}/series)
file(GLOB summary ${OUT}/series/*.txt)
file(GLOB ribs ${OUT}/series/*R*.dat)
list(LENGTH ribs count)
if(NOT count EQUAL 12)
  message(FATAL_ERROR "the series wrote ${count} ribs")
endif()

# The summary, with a project as template and the sheeting given: twelve parts, and the
# figures last.
run(0 kit ${summary} --template ${DATA}/projects/full_mm.vdl --sheeting 1.5 --kerf 0.15 --engrave yes -o ${OUT}/kit)
expect_out("parts: 12\n")
if(last_err MATCHES "XDG_RUNTIME_DIR")
  message(FATAL_ERROR "Qt's warning is shown:\n${last_err}")
endif()
if(NOT last_out MATCHES "sheets: [1-9][0-9]*\nused: [0-9]+\\.[0-9] %\n$")
  message(FATAL_ERROR "the figures do not end the output:\n${last_out}")
endif()
string(REGEX MATCH "sheets: ([0-9]+)" _ "${last_out}")
set(sheets ${CMAKE_MATCH_1})
file(GLOB written RELATIVE ${OUT}/kit ${OUT}/kit/*)
list(LENGTH written files)
if(PAINTING)
  math(EXPR expected "${sheets} + 2")
  if(NOT files EQUAL expected OR NOT EXISTS ${OUT}/kit/sheet-01.dxf OR NOT EXISTS ${OUT}/kit/kit.pdf)
    message(FATAL_ERROR "the kit folder holds ${written}")
  endif()
  file(READ ${OUT}/kit/kit.pdf pdf LIMIT 5 HEX)
  if(NOT pdf STREQUAL "255044462d")  # "%PDF-"
    message(FATAL_ERROR "kit.pdf is no PDF")
  endif()
else()
  # Without Qt the sheets and the list are written, and the missing PDF is told.
  math(EXPR expected "${sheets} + 1")
  if(NOT files EQUAL expected OR NOT EXISTS ${OUT}/kit/sheet-01.dxf OR NOT last_err MATCHES "kit.pdf needs the build with Qt")
    message(FATAL_ERROR "the kit folder holds ${written}: ${last_err}")
  endif()
endif()
foreach(n RANGE 1 12)
  string(LENGTH "${n}" digits)
  set(name "R${n}")
  if(digits EQUAL 1)
    set(name "R0${n}")
  endif()
  file(STRINGS ${OUT}/kit/kit.txt lines REGEX "^  ${name}  ")
  list(LENGTH lines times)
  if(NOT times EQUAL 1)
    message(FATAL_ERROR "${name} is listed ${times} times in kit.txt")
  endif()
endforeach()

# The rib files themselves, in SVG and in R12, give the same parts.
run(0 kit ${ribs} --sheeting 1.5 --format svg -o ${OUT}/svg)
expect_out("parts: 12\n")
# Written again over a larger kit: its extra sheet goes, a file of the user's stays.
file(WRITE ${OUT}/svg/sheet-09.svg "<svg/>")
file(WRITE ${OUT}/svg/notes.txt "mine")
run(0 kit ${ribs} --sheeting 1.5 --format svg -o ${OUT}/svg)
expect_out("removed: 1\nparts: 12\n")
if(EXISTS ${OUT}/svg/sheet-09.svg OR NOT EXISTS ${OUT}/svg/notes.txt OR NOT EXISTS ${OUT}/svg/sheet-01.svg)
  message(FATAL_ERROR "the earlier kit's extra sheet is left, or another file went")
endif()
run(0 kit ${ribs} --sheeting 1.5 --dxf r12 --gap 3 --sheet 120x600 --names lines -o ${OUT}/r12)
# The names as lines: no text on the sheets.
file(GLOB r12 ${OUT}/r12/sheet-*.dxf)
foreach(sheet ${r12})
  file(READ ${sheet} bytes)
  string(FIND "${bytes}" "\nTEXT\r" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "${sheet} holds a TEXT with --names lines")
  endif()
endforeach()

# Usage errors: 64, no folder made.
foreach(args "--sheet;100" "--sheet;100x" "--gap;-1" "--format;pdf" "--format;svg;--dxf;r12" "--engrave;maybe" "--caption;maybe" "--names;outlines"
             "--kerf;0,2,3" "--chord;abc" "--marks;x" "--bogus;1" "-o")
  run(64 kit ${summary} -o ${OUT}/none ${args})
  if(EXISTS ${OUT}/none)
    message(FATAL_ERROR "${args}: written on a usage error")
  endif()
endforeach()
run(64 kit -o ${OUT}/none)

# Refusals: 2, the key on standard output, nothing written.
foreach(case "too-large-part|--sheet;100x200" "sheet|--gap;50" "kerf|--kerf;11")
  string(REPLACE "|" ";" case "${case}")
  list(POP_FRONT case key)
  run(2 kit ${summary} -o ${OUT}/none ${case})
  if(NOT last_out STREQUAL "refused: ${key}\n" OR EXISTS ${OUT}/none)
    message(FATAL_ERROR "${key}: ${last_out}${last_err}")
  endif()
endforeach()
# Sheeting thicker than half the tip ribs (sd7037 at 150 mm is 13.8 mm thick): refused,
# naming the first rib file with nothing left.
run(2 kit ${summary} -o ${OUT}/none --sheeting 12)
if(NOT last_out STREQUAL "refused: no-rib-left\n" OR NOT last_err MATCHES "${OUT}/series/[^ ]+\\.dat" OR EXISTS ${OUT}/none)
  message(FATAL_ERROR "sheeting 12 mm: ${last_out}${last_err}")
endif()
run(2 kit ${OUT}/series/none.txt -o ${OUT}/none)
if(NOT last_out STREQUAL "refused: no-rib\n" OR EXISTS ${OUT}/none)
  message(FATAL_ERROR "a summary that is not there: ${last_out}${last_err}")
endif()

# Every sheet read back by the real readers.
file(GLOB sheets ${OUT}/kit/sheet-*.dxf ${OUT}/svg/sheet-*.svg ${OUT}/r12/sheet-*.dxf)
execute_process(COMMAND /usr/bin/python3 ${SOURCE}/tests/output/check_cut_files.py ${sheets}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the readers refuse the sheets:\n${out}${err}")
endif()
