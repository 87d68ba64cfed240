# `vandrell-cli thickness-camber`, `incline` and `oblique` write the tools' airfoil files;
# refusals name the failed check in a word and write nothing.
cmake_policy(SET CMP0007 NEW)  # lists keep their empty items
set(work ${WORK}/cli_tools)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})

include(${CMAKE_CURRENT_LIST_DIR}/runcli.cmake)
set(RUN_INI ${work}/english.ini)  # the files' words are the language's
file(WRITE ${RUN_INI} "[Language]\nLangue=English\n")

# The file's CR LF lines as a list (file(STRINGS) would split at the degree sign's byte).
function(read_lines file var)
  file(READ ${file} text)
  string(REPLACE "\r" "" text "${text}")
  string(REPLACE "\n" ";" text "${text}")
  set(${var} "${text}" PARENT_SCOPE)
endfunction()

function(expect_line file index expected)
  read_lines(${file} lines)
  list(GET lines ${index} line)
  expect_equal(line "${expected}" "${file} line ${index}: '${line}', expected '${expected}'")
endfunction()

set(clarky ${AIRFOILS}/clarky.dat)

# Thickness and camber (the file's layout is the writer's tests', the shapes the core's): the
# options reach the tool, and a symmetric airfoil keeps no camber whatever is asked.
run(0 thickness-camber ${clarky} --thickness 14 --camber 2 -o ${work}/tc.dat)
expect_line(${work}/tc.dat 0 "clarky Thickness14.00% Camber2.00%")
run(0 thickness-camber ${AIRFOILS}/naca0012.dat --thickness 12 --camber 2 -o ${work}/sym.dat)
expect_line(${work}/sym.dat 0 "naca0012 Thickness12.00% Camber0.00%")
# Words given, even empty ones, one under its older name. (Empty arguments are passed here
# directly: CMake's argument lists drop them.)
execute_process(COMMAND ${CLI} --ini ${RUN_INI} thickness-camber ${clarky} --thickness 9.5 --camber 0 --thickness-word Ep --caption-18 ""
                        -o ${work}/tc2.dat RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "empty caption: exit ${rc}")
endif()
expect_line(${work}/tc2.dat 0 "clarky Ep9.50% 0.00%")
# Without them, the words of the language in force, as the window writes them.
file(WRITE ${work}/fr.ini "[Language]\r\nLangue=Francais\r\n")
run(0 --ini ${work}/fr.ini thickness-camber ${clarky} --thickness 14 --camber 2 -o ${work}/tc_fr.dat)
file(READ ${work}/tc_fr.dat head LIMIT 12 HEX)
if(NOT head STREQUAL "636c61726b7920c970616973")  # "clarky Épais", É in Windows-1252
  message(FATAL_ERROR "thickness word in French: ${head}")
endif()
run(0 --ini ${work}/fr.ini oblique ${clarky} --mode 1 --angle 30 --length 100 -o ${work}/obl_fr.dat)
read_lines(${work}/obl_fr.dat lines)
list(GET lines 0 title)
expect_match(title "^Nervure oblique clarky 30" "oblique title in French: ${title}")

expect_refused(percent-too-large thickness-camber ${clarky} --thickness 0 --camber 100 -o ${work}/no.dat)
expect_refused(percent-too-large thickness-camber ${clarky} --thickness 101 --camber 2 -o ${work}/no.dat)
execute_process(COMMAND ${CLI} --ini ${RUN_INI} thickness-camber ${clarky} --thickness "" --camber 2 -o ${work}/no.dat
                RESULT_VARIABLE rc OUTPUT_VARIABLE stdout)
if(NOT rc EQUAL 2 OR NOT stdout STREQUAL "refused: thickness-zero\n")
  message(FATAL_ERROR "empty thickness: exit ${rc}, ${stdout}")
endif()
expect_refused(airfoil thickness-camber ${work}/missing.dat --thickness 12 --camber 2 -o ${work}/no.dat)
# An existing file is not replaced.
expect_refused(file-exists thickness-camber ${clarky} --thickness 12 --camber 2 -o ${work}/tc.dat)
expect_line(${work}/tc.dat 0 "clarky Thickness14.00% Camber2.00%")
run(64 thickness-camber ${clarky} --thickness 1,2,5 --camber 2 -o ${work}/no.dat)
# A decimal comma, as in the window's boxes.
run(0 thickness-camber ${clarky} --thickness 12,5 --camber 2,25 -o ${work}/comma.dat)
expect_line(${work}/comma.dat 0 "clarky Thickness12.50% Camber2.25%")

# Inclined by 60 degrees: every ordinate doubles (clarky's second point, 0.0029690).
run(0 incline ${clarky} --angle 60 -o ${work}/inc.dat)
expect_line(${work}/inc.dat 2 "0.99000000  0.00593800")
# info shows that Windows-1252 title in UTF-8, as a terminal reads it.
run(0 info ${work}/inc.dat)
expect_match(last_out "^title: diedre 60\\.00°\n" "info of an inclined rib: ${last_out}")
# The angle is checked before the airfoil is read.
expect_refused(angle-missing incline ${work}/missing.dat --angle 0 -o ${work}/no.dat)
expect_refused(angle-too-large incline ${work}/missing.dat --angle 90 -o ${work}/no.dat)
expect_refused(airfoil incline ${work}/missing.dat --angle 5 -o ${work}/no.dat)

# Oblique, square length 100 mm given at 30 degrees: ordinates halved, L = 200 mm.
run(0 oblique ${clarky} --mode 1 --angle 30 --length 100 -o ${work}/obl.dat)
expect_line(${work}/obl.dat 2 "0.99000000  0.00148450")
expect_refused(length-missing oblique ${clarky} --mode 0 --angle 30 --length 0 -o ${work}/no.dat)
execute_process(COMMAND ${CLI} --ini ${RUN_INI} oblique ${clarky} --mode 0 --angle "" --length 200 -o ${work}/no.dat
                RESULT_VARIABLE rc OUTPUT_VARIABLE stdout)
if(NOT rc EQUAL 2 OR NOT stdout STREQUAL "refused: angle-missing\n")
  message(FATAL_ERROR "empty angle: exit ${rc}, ${stdout}")
endif()
expect_refused(angle-too-large oblique ${clarky} --mode 1 --angle 90 --length 100 -o ${work}/no.dat)
run(64 oblique ${clarky} --mode 2 --angle 30 --length 100 -o ${work}/no.dat)
# Inch fractions in inches only.
run(64 oblique ${clarky} --mode 0 --angle 30 --length 7.1/2 -o ${work}/no.dat)
run(0 oblique ${clarky} --unit in --mode 0 --angle 30 --length 7.1/2 -o ${work}/obl_in.dat)
read_lines(${work}/obl_in.dat lines)
list(GET lines 0 title)
expect_match(title "^Oblique rib clarky 30\\.00. L 7\\.50in M 3\\.75in$" "oblique title: ${title}")

expect_absent("a refused command wrote no.dat" ${work}/no.dat)
