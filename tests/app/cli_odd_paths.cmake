# vandrell-cli handed what is no file: folders, a named pipe, the endless and the empty
# device, a sparse file of gigabytes, as input, as output and as the settings file. Each
# ends at once in its refusal, exit 2, and leaves what it met as it was.
set(AIRFOIL ${DIR}/clarky.dat)
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT}/folder.dat ${OUT}/folder.vdl ${OUT}/folder.dxf ${OUT}/folder.png)
execute_process(COMMAND mkfifo ${OUT}/pipe.dat ${OUT}/pipe.vdl ${OUT}/pipe.dxf RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "mkfifo failed")
endif()
execute_process(COMMAND truncate -s 5G ${OUT}/huge.dat RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "truncate failed")
endif()
file(WRITE ${OUT}/english.ini "[Language]\nLangue=English\n")

# A command that blocked on a pipe or read a device without end would meet the timeout.
function(refused key)
  execute_process(COMMAND ${CLI} --ini ${OUT}/english.ini ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                  ERROR_VARIABLE err TIMEOUT 20)
  if(NOT rc EQUAL 2 OR NOT out STREQUAL "refused: ${key}\n")
    message(FATAL_ERROR "${ARGN}: expected refused: ${key}, exit 2; got ${rc}\n${out}\n${err}")
  endif()
  set(last_err "${err}" PARENT_SCOPE)
endfunction()

foreach(input ${OUT}/folder.dat ${OUT}/pipe.dat /dev/zero /dev/null)
  refused(not-a-file info ${input})
endforeach()
if(NOT last_err MATCHES "^This is a device, not a file:\n/dev/null\n$")
  message(FATAL_ERROR "the refusal does not say what /dev/null is: ${last_err}")
endif()
refused(too-large info ${OUT}/huge.dat)
foreach(input ${OUT}/folder.vdl ${OUT}/pipe.vdl)
  refused(not-a-file dxf ${input} -o ${OUT}/never.dxf)
  refused(not-a-file resave ${input} ${OUT}/never.vdl --airfoil-dir ${DIR})
endforeach()
if(EXISTS ${OUT}/never.dxf OR EXISTS ${OUT}/never.vdl)
  message(FATAL_ERROR "a refused input wrote its output")
endif()

# Outputs: refused, and still a folder or a pipe afterwards.
refused(not-a-file dxf ${AIRFOIL} -o ${OUT}/folder.dxf)
refused(not-a-file dxf ${AIRFOIL} -o ${OUT}/pipe.dxf)
if(PAINTING)
  refused(not-a-file render ${AIRFOIL} -o ${OUT}/folder.png)
endif()
refused(not-a-file resave ${DATA}/projects/full_mm.vdl ${OUT}/folder.vdl --airfoil-dir ${DIR})
if(NOT last_err MATCHES "This is a folder, not a file:\n.*folder.vdl\nNothing was written")
  message(FATAL_ERROR "the refused output is not named: ${last_err}")
endif()
foreach(kept folder.dxf folder.png folder.vdl)
  if(NOT IS_DIRECTORY ${OUT}/${kept})
    message(FATAL_ERROR "${kept} was replaced")
  endif()
endforeach()
execute_process(COMMAND test -p ${OUT}/pipe.dxf RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "pipe.dxf is no longer a pipe")
endif()

# The settings file named on the command line is looked at the same way.
execute_process(COMMAND ${CLI} --ini ${OUT}/pipe.dat info ${AIRFOIL} RESULT_VARIABLE rc OUTPUT_VARIABLE out TIMEOUT 20)
if(NOT rc EQUAL 2 OR NOT out STREQUAL "refused: not-a-file\n")
  message(FATAL_ERROR "--ini with a pipe: ${rc} ${out}")
endif()

# A folder that does not exist is an error, not a refusal: the general error report, exit 1.
execute_process(COMMAND ${CLI} --ini ${OUT}/english.ini dxf ${AIRFOIL} -o ${OUT}/none/rib.dxf
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
if(NOT rc EQUAL 1 OR NOT out STREQUAL "" OR NOT err MATCHES "^Error # 76 occurred in Vandrell\n.*none/rib.dxf")
  message(FATAL_ERROR "missing folder: ${rc}\n${out}\n${err}")
endif()

# The sparse file and the pipes go with the test.
file(REMOVE_RECURSE ${OUT})
