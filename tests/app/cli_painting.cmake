# vandrell-cli loads no Qt; the commands that paint run in vandrell-paint from the folder
# vandrell-cli really lies in, with the messages and exit status the user would get anyway.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT}/elsewhere ${OUT}/alone)
include(${CMAKE_CURRENT_LIST_DIR}/runcli.cmake)

get_filename_component(bin ${CLI} DIRECTORY)
run_command(0 ldd ${CLI})
if(last_out MATCHES "libQt" OR NOT last_out MATCHES "libc\\.so")
  message(FATAL_ERROR "vandrell-cli loads:\n${last_out}")
endif()
# The same look finds Qt where it is, and only the part that paints: the widgets and the
# print support would be a third of vandrell-paint's loading.
run_command(0 ldd ${bin}/vandrell-paint)
if(NOT last_out MATCHES "libQt6Gui" OR last_out MATCHES "libQt6Widgets|libQt6PrintSupport")
  message(FATAL_ERROR "vandrell-paint loads:\n${last_out}")
endif()

# Called through a link in another folder, it still finds vandrell-paint beside itself.
file(CREATE_LINK ${CLI} ${OUT}/elsewhere/vc SYMBOLIC)
run_command(0 ${OUT}/elsewhere/vc render ${DIR}/clarky.dat --zoom 0.2 -o ${OUT}/linked.png)
file(READ ${OUT}/linked.png magic LIMIT 4 HEX)
expect_equal(magic "89504e47" "no PNG through the link")
run_command(64 ${OUT}/elsewhere/vc print ${DIR}/clarky.dat -o ${OUT}/p.txt)
expect_match(last_err "^usage: vandrell-cli print INPUT -o OUT.pdf" "print's usage error: ${last_err}")

# Without vandrell-paint beside it, a painting command says so and writes nothing; the
# others do not need it.
file(COPY ${CLI} DESTINATION ${OUT}/alone)
get_filename_component(name ${CLI} NAME)
run_command(1 ${OUT}/alone/${name} render ${DIR}/clarky.dat -o ${OUT}/alone.png)
if(NOT last_err MATCHES "vandrell-paint could not be started" OR EXISTS ${OUT}/alone.png)
  message(FATAL_ERROR "render without vandrell-paint: ${last_out}${last_err}")
endif()
run_command(0 ${OUT}/alone/${name} dxf ${DIR}/clarky.dat -o ${OUT}/alone.dxf)
