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

# The summary, with a project as template and the sheeting given: the template's
# trailing-edge stock parts every rib, the thin tip ribs more than once; the figures last.
run(0 kit ${summary} --template ${DATA}/projects/full_mm.vdl --sheeting 1.5 --kerf 0.15 --engrave yes
    --thickness 1.5 --paper letter -o ${OUT}/kit)
if(NOT last_out MATCHES "parts: ([0-9]+) \\(12 ribs\\)\n")
  message(FATAL_ERROR "no count of parts and ribs:\n${last_out}")
endif()
set(parts ${CMAKE_MATCH_1})
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
  math(EXPR expected "${sheets} + 3")
  if(NOT files EQUAL expected OR NOT EXISTS ${OUT}/kit/sheet-01.dxf OR NOT EXISTS ${OUT}/kit/kit.pdf
     OR NOT EXISTS ${OUT}/kit/kit-check.pdf)
    message(FATAL_ERROR "the kit folder holds ${written}")
  endif()
  file(READ ${OUT}/kit/kit.pdf pdf LIMIT 5 HEX)
  if(NOT pdf STREQUAL "255044462d")  # "%PDF-"
    message(FATAL_ERROR "kit.pdf is no PDF")
  endif()
  # The sheet's own size, 1000 x 100 mm: 2834.6457 x 283.4646 points, from Qt's top of 283
  # points (where it draws from) down to -0.4646; the check on Letter, 792 x 612 points.
  file(STRINGS ${OUT}/kit/kit.pdf boxes REGEX "/MediaBox")
  list(GET boxes 0 box)
  expect_match(box "/MediaBox \\[0 -0\\.4646 2834\\.6457 283 *\\]" "kit.pdf's page is ${box}")
  file(STRINGS ${OUT}/kit/kit-check.pdf boxes REGEX "/MediaBox")
  list(GET boxes 0 box)
  expect_match(box "/MediaBox \\[0 0 792 612 *\\]" "kit-check.pdf's page is ${box}")
else()
  # Without Qt the sheets and the list are written, and the missing PDF is told.
  math(EXPR expected "${sheets} + 1")  # no PDF, no check
  if(NOT files EQUAL expected OR NOT EXISTS ${OUT}/kit/sheet-01.dxf OR NOT last_err MATCHES "kit.pdf needs the build with Qt")
    message(FATAL_ERROR "the kit folder holds ${written}: ${last_err}")
  endif()
endif()
# The list's sheets hold the parts counted. A sheet's part is "  NAME  FILE  chord 240.00 mm",
# turned or not.
set(onSheet "  [^ ]+  chord [0-9.]+ mm(  turned)?$")
file(STRINGS ${OUT}/kit/kit.txt listed REGEX "^  [^ ]+${onSheet}")
list(LENGTH listed total)
file(READ ${OUT}/kit/kit.txt listText)
string(FIND "${listText}" "Parts: ${parts} (12 ribs)\n" head)
if(NOT total EQUAL parts OR NOT head EQUAL 0)
  message(FATAL_ERROR "kit.txt lists ${total} parts, the output said ${parts}")
endif()
# The materials: the first sheet with the thickness given and its count of parts.
expect_match(listText "\nMaterials\n  sheet-01\\.dxf  1000 x 100 x 1\\.5 mm  [0-9]+ parts?\n"
             "no materials with the thickness:\n${listText}")
# The template's notch parts ribs: each such rib is listed with its pieces as its warning
# says; every warning of the list is said on standard error too.
file(STRINGS ${OUT}/kit/kit.txt warnings REGEX "^Warning: ")
expect_match(listText "\nWarning: [^ ]+ falls into" "no rib falls into pieces:\n${listText}")
foreach(warning IN LISTS warnings)
  string(REGEX REPLACE "^Warning: " "warning: " said "${warning}")
  string(FIND "${last_err}" "${said}\n" told)
  set(ribLine TRUE)
  if(warning MATCHES "^Warning: ([^ ]+) falls into ([0-9]+) pieces$")
    set(name "${CMAKE_MATCH_1}")
    string(REGEX MATCH "\n  ${name}  [^\n]*  1 copy  ${CMAKE_MATCH_2} pieces \\(${name}a, " ribLine "${listText}")
  endif()
  if(told EQUAL -1 OR NOT ribLine)
    message(FATAL_ERROR "\"${warning}\" is not told alike:\n${last_err}")
  endif()
endforeach()

# The rib files themselves, in SVG and in R12, give the same parts.
run(0 kit ${ribs} --sheeting 1.5 --format svg -o ${OUT}/svg)
expect_out("parts: 12 (12 ribs)\n")
# Written again over a larger kit, it says what it removed (which files go: the kit's own tests).
file(WRITE ${OUT}/svg/sheet-09.svg "<svg/>")
run(0 kit ${ribs} --sheeting 1.5 --format svg -o ${OUT}/svg)
expect_out("removed: 1\nparts: 12 (12 ribs)\n")
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

# Both wing halves of two panels: the series and a rib file of its own, 13 ribs twice.
run(0 kit ${summary} ${DIR}/naca2412.dat --copies 2 --sheeting 1.5 -o ${OUT}/halves)
expect_out("parts: 26 (26 ribs)\n")
file(READ ${OUT}/halves/kit.txt listText)
expect_match(listText "Copies: 2 of each rib\n.*\n  B-naca2412  [^\n]*  2 copies  1 piece\n"
             "the copies are not listed:\n${listText}")
run(0 kit ${summary} ${DIR}/naca2412.dat --prefix L,R --sheeting 1.5 -o ${OUT}/named)
file(READ ${OUT}/named/kit.txt listText)
if(NOT listText MATCHES "\n  L-R07  " OR NOT listText MATCHES "\n  R-naca2412  ")
  message(FATAL_ERROR "the prefixes are not used:\n${listText}")
endif()

# Usage errors: 64, no folder made.
foreach(args "--sheet;100" "--sheet;100x" "--gap;-1" "--format;pdf" "--format;svg;--dxf;r12" "--engrave;maybe"
             "--caption;maybe" "--names;outlines" "--kerf;0,2,3" "--chord;abc" "--marks;x" "--bogus;1" "-o"
             "--copies;0" "--copies;100" "--copies;x" "--prefix;A,,B" "--prefix;A B" "--thickness;0"
             "--thickness;x" "--paper;a3")
  run(64 kit ${summary} -o ${OUT}/none ${args})
  expect_absent("${args}: written on a usage error" ${OUT}/none)
endforeach()
run(64 kit -o ${OUT}/none)

# Refusals: 2, the key on standard output, nothing written.
foreach(case "too-large-part|--sheet;100x200" "sheet|--gap;50" "kerf|--kerf;11" "prefix|--prefix;A,B")
  string(REPLACE "|" ";" case "${case}")
  list(POP_FRONT case key)
  expect_refused(${key} kit ${summary} -o ${OUT}/none ${case})
  expect_absent("${key}: written all the same" ${OUT}/none)
endforeach()
# Sheeting thicker than half the tip ribs (sd7037 at 150 mm is 13.8 mm thick): refused,
# naming the first rib file with nothing left.
run(2 kit ${summary} -o ${OUT}/none --sheeting 12)
if(NOT last_out STREQUAL "refused: no-rib-left\n" OR NOT last_err MATCHES "${OUT}/series/[^ ]+\\.dat" OR EXISTS ${OUT}/none)
  message(FATAL_ERROR "sheeting 12 mm: ${last_out}${last_err}")
endif()
expect_refused(no-rib kit ${OUT}/series/none.txt -o ${OUT}/none)
expect_absent("a summary that is not there: written all the same" ${OUT}/none)

# Every sheet read back by the real readers.
file(GLOB sheets ${OUT}/kit/sheet-*.dxf ${OUT}/svg/sheet-*.svg ${OUT}/r12/sheet-*.dxf)
execute_process(COMMAND /usr/bin/python3 ${SOURCE}/tests/output/check_cut_files.py ${sheets}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the readers refuse the sheets:\n${out}${err}")
endif()
