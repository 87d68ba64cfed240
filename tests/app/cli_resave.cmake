# `vandrell-cli resave` opens a project as the program does and writes it again.
set(work ${WORK}/cli_resave)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work}/empty)

include(${CMAKE_CURRENT_LIST_DIR}/runcli.cmake)
function(resave in out dir expected_rc)
  run(${expected_rc} resave ${in} ${out} --airfoil-dir ${dir})
  set(last_out "${last_out}" PARENT_SCOPE)
  set(last_err "${last_err}" PARENT_SCOPE)
endfunction()

function(expect_same_file a b)
  file(READ ${a} ca HEX)
  file(READ ${b} cb HEX)
  expect_equal(ca "${cb}" "${a} differs from ${b}")
endfunction()

# A current project comes out byte for byte.
resave(${DATA}/projects/full_mm.vdl ${work}/out.vdl ${AIRFOILS} 0)
expect_same_file(${work}/out.vdl ${DATA}/projects/full_mm.vdl)

# A project written by hand: LF line ends, numbers in other forms than ours, an empty caption
# and reserved lines, text after the end line and no last line end.
string(JOIN "\n" by_hand "VDL V3.0 by hand" "clarky.dat" "clarky" "" "10" "-5" "200" "1.5" "0" "0" "0" "0" "0"
       "1" "0" "" "Spars" "0" "25%" "6" "3" "1" "1" "0" "" "0" "" "Holes" "0" "" "" "1.0" "" "" "0" "0" ""
       "" "" "0" "02" "-3.0" "0" "0" "0" "0" "11" "0" "0" "0#0" "End of File V 3.0.02 modif 02/10/2002"
       "notes kept after the end")
file(WRITE ${work}/by_hand.vdl "${by_hand}")
# info tells the project's airfoil and set-up as its lines give them ("02" reference lines,
# one spar at 25%, one hole row of no position, base 11), and writes nothing.
run(0 --unit mm info ${work}/by_hand.vdl --airfoil-dir ${AIRFOILS})
foreach(line "^airfoil: [^\n]*/clarky\\.dat\n" "\nchord: 200 mm\nsheeting: 1\\.5 mm\n" "\nreference lines: 2\nspars: 1\nholes: 0\n"
             "\nbase: tabs\ncaption: \nupside down: no\n$")
  expect_match(last_out "${line}" "info of a project, no ${line}:\n${last_out}${last_err}")
endforeach()
file(READ ${work}/by_hand.vdl after_info)
expect_equal(after_info "${by_hand}" "info changed the project it read")

# An older project is converted in place on the way, as opening it does.
file(COPY ${DATA}/projects/older_full.vdl DESTINATION ${work})
resave(${work}/older_full.vdl ${work}/older_out.vdl ${AIRFOILS} 0)
expect_same_file(${work}/older_full.vdl ${DATA}/projects/older_full_converted.vdl)
expect_same_file(${work}/older_out.vdl ${DATA}/projects/older_full_converted.vdl)
# Once only: from then on it comes back as written.
resave(${work}/older_full.vdl ${work}/older_again.vdl ${AIRFOILS} 0)
expect_same_file(${work}/older_again.vdl ${DATA}/projects/older_full_converted.vdl)

# No airfoil: the search says so on standard error and nothing is written.
resave(${DATA}/projects/full_mm.vdl ${work}/none.vdl ${work}/empty 2)
if(NOT last_out STREQUAL "refused: airfoil-missing\n" OR NOT last_err MATCHES "clarky.dat"
   OR EXISTS ${work}/none.vdl)
  message(FATAL_ERROR "missing airfoil: ${last_err}")
endif()

# A damaged project is refused, and so is one that is not there.
file(WRITE ${work}/cut.vdl "VDL V3.0 -02\r\nclarky.dat\r\n")
expect_refused(project resave ${work}/cut.vdl ${work}/cut_out.vdl --airfoil-dir ${AIRFOILS})
expect_refused(unreadable resave ${work}/gone.vdl ${work}/gone_out.vdl --airfoil-dir ${AIRFOILS})
if(EXISTS ${work}/cut_out.vdl OR NOT last_err MATCHES "gone.vdl")
  message(FATAL_ERROR "missing project: ${last_err}")
endif()

# A project that cannot be written where asked is an error, not a refusal of the input.
resave(${DATA}/projects/full_mm.vdl ${work}/no-such-folder/out.vdl ${AIRFOILS} 1)
if(NOT last_out STREQUAL "" OR last_err STREQUAL "")
  message(FATAL_ERROR "unwritable output: ${last_out}${last_err}")
endif()
# An output marked read-only (its folder may be written) is refused, and stays as it was.
file(WRITE ${work}/locked.vdl "mine")
file(CHMOD ${work}/locked.vdl PERMISSIONS OWNER_READ GROUP_READ)
resave(${DATA}/projects/full_mm.vdl ${work}/locked.vdl ${AIRFOILS} 2)
file(READ ${work}/locked.vdl locked)
if(NOT last_out STREQUAL "refused: read-only\n" OR NOT locked STREQUAL "mine")
  message(FATAL_ERROR "read-only output: ${last_out}${last_err}")
endif()
