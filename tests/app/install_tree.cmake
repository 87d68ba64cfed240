# `cmake --install` into a temporary DESTDIR lays the programs out as a system does, and the
# installed programs find their files through ../share/vandrell and write nothing there.
set(root ${WORK}/install_tree)
set(prefix ${root}/usr)
set(home ${WORK}/install_home)
file(REMOVE_RECURSE ${root} ${home})
file(MAKE_DIRECTORY ${home})

execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${root} ${CMAKE_COMMAND} --install ${BUILD} --prefix /usr
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "install: ${rc}\n${out}\n${err}")
endif()

foreach(file bin/vandrell bin/vandrell-cli bin/vandrell-paint bin/kaldrex
             share/vandrell/English.lng share/vandrell/Francais.lng share/vandrell/airfoils/clarky.dat
             share/vandrell/vandrellE.html share/vandrell/vandrellF.html
             share/man/man1/vandrell-cli.1 share/applications/org.example.vandrell.desktop
             share/metainfo/org.example.vandrell.metainfo.xml share/mime/packages/vandrell.xml
             share/icons/hicolor/scalable/apps/vandrell.svg share/icons/hicolor/48x48/apps/vandrell.png)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# The installed programs run in a home of their own, with no display.
set(env ${CMAKE_COMMAND} -E env --unset=XDG_CONFIG_HOME --unset=XDG_DATA_HOME --unset=DISPLAY
        --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM HOME=${home} LC_ALL=C.UTF-8)
include(${CMAKE_CURRENT_LIST_DIR}/runcli.cmake)
function(installed expected_rc)
  run_command(${expected_rc} ${env} ${ARGN})
  set(last_out "${last_out}" PARENT_SCOPE)
  set(last_err "${last_err}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE before LIST_DIRECTORIES true ${root}/*)

# The installed airfoil reads as it does from the build tree.
installed(0 ${prefix}/bin/vandrell-cli info ${prefix}/share/vandrell/airfoils/clarky.dat)
set(installed_info "${last_out}")
execute_process(COMMAND ${BUILT_CLI} info ${SOURCE}/airfoils/clarky.dat OUTPUT_VARIABLE built_info)
if(NOT installed_info STREQUAL built_info OR NOT installed_info MATCHES "^title: ")
  message(FATAL_ERROR "installed info:\n${installed_info}\nbuilt:\n${built_info}")
endif()

# The painting commands run in the installed vandrell-paint.
installed(0 ${prefix}/bin/vandrell-cli render ${prefix}/share/vandrell/airfoils/clarky.dat --zoom 0.2 -o ${home}/rib.svg)
if(NOT EXISTS ${home}/rib.svg)
  message(FATAL_ERROR "the installed render wrote nothing: ${last_out}${last_err}")
endif()

# Its refusal carries the language file's text, found only through ../share/vandrell.
file(WRITE ${home}/three.dat "Three points\n1 0\n0 0\n1 0.01\n")
file(WRITE ${home}/english.ini "[Language]\nLangue=English\n")
file(STRINGS ${SOURCE}/lang/English.lng lines)
set(section "")
foreach(line ${lines})
  string(REPLACE "\r" "" line "${line}")
  if(line MATCHES "^\\[(.*)\\]$")
    set(section "${CMAKE_MATCH_1}")
  elseif(section STREQUAL "frmopen" AND line MATCHES "^23=(.*)$")
    set(too_few "${CMAKE_MATCH_1}")
  endif()
endforeach()
installed(2 ${prefix}/bin/vandrell-cli --ini ${home}/english.ini info ${home}/three.dat)
if(NOT last_out STREQUAL "refused: too-few-points\n" OR NOT last_err STREQUAL "${too_few}\n")
  message(FATAL_ERROR "three points: ${last_out}${last_err} (expected ${too_few})")
endif()

# The window program's own options (the batch program's help is compiled in: cli_help).
installed(0 ${prefix}/bin/vandrell --help)
expect_match(last_out "^usage: vandrell " "vandrell --help: ${last_out}")
installed(0 ${prefix}/bin/vandrell --version)
expect_match(last_out "^vandrell ${VERSION}" "vandrell --version: ${last_out}")

# The window program, started from the installed tree (root could write there), keeps its
# settings in the user's folder. It waits at its first question until it is stopped.
execute_process(COMMAND ${env} QT_QPA_PLATFORM=offscreen ${prefix}/bin/vandrell
                TIMEOUT 10 RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
if(NOT IS_DIRECTORY ${home}/.config/vandrell)
  message(FATAL_ERROR "the installed program made no settings folder for the user (exit: ${rc})")
endif()

file(GLOB_RECURSE after LIST_DIRECTORIES true ${root}/*)
if(NOT before STREQUAL after)
  list(REMOVE_ITEM after ${before})
  message(FATAL_ERROR "written under the prefix at run time: ${after}")
endif()
