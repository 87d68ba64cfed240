# `vandrell-cli resave` opens a project as the program does and writes it again.
set(work ${WORK}/cli_resave)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work}/empty)

function(resave in out dir expected_rc)
  execute_process(COMMAND ${CLI} resave ${in} ${out} --airfoil-dir ${dir}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr)
  if(NOT rc EQUAL expected_rc)
    message(FATAL_ERROR "resave ${in}: exit ${rc}, expected ${expected_rc}\n${stdout}\n${stderr}")
  endif()
  set(resave_stdout "${stdout}" PARENT_SCOPE)
  set(resave_stderr "${stderr}" PARENT_SCOPE)
endfunction()

function(expect_same_file a b)
  file(READ ${a} ca HEX)
  file(READ ${b} cb HEX)
  if(NOT ca STREQUAL cb)
    message(FATAL_ERROR "${a} differs from ${b}")
  endif()
endfunction()

# A current project comes out byte for byte.
resave(${DATA}/projects/full_mm.vdl ${work}/out.vdl ${AIRFOILS} 0)
expect_same_file(${work}/out.vdl ${DATA}/projects/full_mm.vdl)

# An older project is converted in place on the way, as opening it does.
file(COPY ${DATA}/projects/older_full.vdl DESTINATION ${work})
resave(${work}/older_full.vdl ${work}/older_out.vdl ${AIRFOILS} 0)
expect_same_file(${work}/older_full.vdl ${DATA}/projects/older_full_converted.vdl)
expect_same_file(${work}/older_out.vdl ${DATA}/projects/older_full_converted.vdl)

# No airfoil: the search says so on standard error and nothing is written.
resave(${DATA}/projects/full_mm.vdl ${work}/none.vdl ${work}/empty 2)
if(NOT resave_stdout STREQUAL "refused: airfoil-missing\n" OR NOT resave_stderr MATCHES "clarky.dat"
   OR EXISTS ${work}/none.vdl)
  message(FATAL_ERROR "missing airfoil: ${resave_stderr}")
endif()

# A damaged project is refused.
file(WRITE ${work}/cut.vdl "VDL V3.0 -02\r\nclarky.dat\r\n")
resave(${work}/cut.vdl ${work}/cut_out.vdl ${AIRFOILS} 2)
if(NOT resave_stdout STREQUAL "refused: project\n" OR EXISTS ${work}/cut_out.vdl)
  message(FATAL_ERROR "damaged project: ${resave_stdout}")
endif()

# A project that cannot be written where asked is an error, not a refusal of the input.
resave(${DATA}/projects/full_mm.vdl ${work}/no-such-folder/out.vdl ${AIRFOILS} 1)
if(NOT resave_stdout STREQUAL "" OR resave_stderr STREQUAL "")
  message(FATAL_ERROR "unwritable output: ${resave_stdout}${resave_stderr}")
endif()
