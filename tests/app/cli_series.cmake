# `vandrell-cli series` and `spaced-series` write the files the series windows write, refuse
# what the windows refuse and write nothing then.
set(work ${WORK}/cli_series)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
set(root ${AIRFOILS}/clarky.dat)
set(tip ${AIRFOILS}/naca0012.dat)

include(${CMAKE_CURRENT_LIST_DIR}/runcli.cmake)
function(run_mm expected_rc)
  run_command(${expected_rc} ${CLI} --unit mm ${ARGN})
  set(run_stdout "${last_out}" PARENT_SCOPE)
  set(run_stderr "${last_err}" PARENT_SCOPE)
endfunction()

function(expect_first_line file line)
  file(STRINGS ${file} lines LIMIT_COUNT 1)
  string(REPLACE "\r" "" first "${lines}")
  expect_equal(first "${line}" "${file}: first line \"${first}\", expected \"${line}\"")
endfunction()

function(expect_file_count dir pattern count)
  file(GLOB found ${dir}/${pattern})
  list(LENGTH found n)
  if(NOT n EQUAL count)
    message(FATAL_ERROR "${dir}: ${n} files ${pattern}, expected ${count}: ${found}")
  endif()
endfunction()

# 200 to 100 mm with 3 intermediate ribs: 200, 175, 150, 125, 100.
file(MAKE_DIRECTORY ${work}/even)
run_mm(0 series ${root} ${tip} --root-chord 200 --tip-chord 100 --ribs 3 -o ${work}/even)
expect_file_count(${work}/even "*.dat" 5)
expect_first_line(${work}/even/clarky&naca0012R04.dat "Rib 4 Chord : 125.00")
expect_first_line(${work}/even/clarky&naca0012_200_100_5.txt "Ribs Unit :  mm")
# The same series again replaces its five rib files and its summary, and says so.
expect_equal(run_stdout "" "a first series printed: ${run_stdout}")
file(WRITE ${work}/even/clarky&naca0012R03.dat "edited")
run_mm(0 series ${root} ${tip} --root-chord 200 --tip-chord 100 --ribs 3 -o ${work}/even)
expect_equal(run_stdout "replaced: 6\n" "series over an earlier one: ${run_stdout}")
expect_first_line(${work}/even/clarky&naca0012R03.dat "Rib 3 Chord : 150.00")

# No intermediate rib: the root and the tip; words of the user's language.
file(MAKE_DIRECTORY ${work}/ends)
run_mm(0 series ${root} ${tip} --root-chord 150 --tip-chord 150 --ribs 0 --rib-word Nervure --chord-label Corde -o ${work}/ends)
expect_file_count(${work}/ends "*.dat" 2)
expect_first_line(${work}/ends/clarky&naca0012N02.dat "Nervure 2 Corde : 150.00")

# Inches: "in.dat", the typed chords in the end titles.
file(MAKE_DIRECTORY ${work}/inches)
execute_process(COMMAND ${CLI} --unit in series ${root} ${tip} --root-chord 7.1/2 --tip-chord 4 --ribs 1 -o ${work}/inches
                RESULT_VARIABLE rc)
expect_first_line(${work}/inches/clarky&naca0012R01in.dat "Rib 1 Chord : 7.1/2 in")
expect_file_count(${work}/inches "*_190.5_101.6_3.txt" 1)

# Refusals print a word for the failed check and write nothing.
file(MAKE_DIRECTORY ${work}/refused)
expect_refused(too-many-ribs --unit mm series ${root} ${tip} --root-chord 200 --tip-chord 100 --ribs 91 -o ${work}/refused)
expect_refused(root-chord-shorter --unit mm series ${root} ${tip} --root-chord 100 --tip-chord 200 --ribs 3 -o ${work}/refused)
expect_refused(airfoil --unit mm series ${root} ${work}/none.dat --root-chord 200 --tip-chord 100 --ribs 3 -o ${work}/refused)
expect_file_count(${work}/refused "*" 0)

# A folder that does not exist is an error and is not created; usage errors are 64.
run_mm(1 series ${root} ${tip} --root-chord 200 --tip-chord 100 --ribs 3 -o ${work}/nowhere)
expect_absent("the missing output folder was created" ${work}/nowhere)
expect_match(run_stderr "# 76 .*\n.*nowhere" "the missing folder is not named as such: ${run_stderr}")
# A folder where a rib file goes: refused as by the other commands, and no other file of the
# series written either (a read-only rib file takes the same road: the series' own tests).
file(MAKE_DIRECTORY "${work}/blocked/clarky&naca0012R03.dat")
expect_refused(not-a-file --unit mm series ${root} ${tip} --root-chord 200 --tip-chord 100 --ribs 3 -o ${work}/blocked)
expect_file_count(${work}/blocked "*" 1)
run_mm(64 series ${root} ${tip} --root-chord 200 --tip-chord 100 --ribs 3)
run_mm(64 series ${root} ${tip} --root-chord 200 --tip-chord 100 --ribs 3 --colour red -o ${work}/refused)
run_mm(64 series ${root} ${tip} --root-chord 200 --tip-chord 100 --ribs 3x -o ${work}/refused)

# spaced-series: 2 mm ribs, 98 mm gaps: 202 mm long, the middle rib 150 mm.
file(MAKE_DIRECTORY ${work}/spaced)
run_mm(0 spaced-series ${root} ${tip} --root-chord 200 --tip-chord 100 --root-tip-thickness 2 --ribs 1 --gaps 98,98 -o ${work}/spaced)
expect_equal(run_stdout "length: 202 mm\n" "spaced-series length: ${run_stdout}")
expect_first_line(${work}/spaced/clarky&naca0012R02.dat "Rib 2 Chord : 150.00")
expect_file_count(${work}/spaced "*.dat" 3)
# Under its older name, as scripts may still call it.
run_mm(0 series2 ${root} ${tip} --root-chord 200 --tip-chord 100 --root-tip-thickness 2 --ribs 1 --gaps 98,98 -o ${work}/spaced)
expect_equal(run_stdout "length: 202 mm\nreplaced: 4\n" "spaced-series over an earlier one: ${run_stdout}")
# Decimal commas, the lists then separated by ";": 1.5 + 97.5 + 2.5 + 98 + 1.5 = 201 mm.
string(ASCII 59 semicolon)
file(MAKE_DIRECTORY ${work}/commas)
execute_process(COMMAND ${CLI} --unit mm spaced-series ${root} ${tip} --root-chord 200 --tip-chord 100 --root-tip-thickness 1,5
                        --ribs 1 --thickness 2,5 --gaps "97,5${semicolon}98" -o ${work}/commas
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "length: 201 mm\n")
  message(FATAL_ERROR "spaced-series with decimal commas: ${rc} ${out} ${err}")
endif()
run_mm(64 spaced-series ${root} ${tip} --root-chord 200 --tip-chord 100 --root-tip-thickness 2 --ribs 1 --gaps 98,5,98
       -o ${work}/refused)
expect_match(run_stderr "1 intermediate rib takes 1 thickness and 2 gaps" "three gaps for one rib: ${run_stderr}")
expect_refused(zero-thickness-or-gap --unit mm spaced-series ${root} ${tip} --root-chord 200 --tip-chord 100 --root-tip-thickness 2 --ribs 1 --thickness 0 --gaps 98,98
    -o ${work}/refused)
expect_refused(too-many-ribs --unit mm spaced-series ${root} ${tip} --root-chord 200 --tip-chord 100 --root-tip-thickness 2 --ribs 13 --gaps 1 -o ${work}/refused)
run_mm(64 spaced-series ${root} ${tip} --root-chord 200 --tip-chord 100 --root-tip-thickness 2 --ribs 2 --gaps 98,98 -o ${work}/refused)
expect_file_count(${work}/refused "*" 0)
