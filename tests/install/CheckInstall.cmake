# Installs the built project into a fresh prefix and uses it as a library user would: a
# program built with find_package(orvane), one built with pkg-config, and the installed
# orvane tool. Then moves the whole installation elsewhere and checks that the tool and the
# pkg-config file still find everything, with no LD_LIBRARY_PATH set.
#   cmake -DBUILD_DIR=... -DWORK=... -DSOURCE=tests/install -DCXX=... -DCXX_FLAGS=...
#         -DLIBDIR=lib -DBINDIR=bin -DVERSION=1.0.0 -DMAN_PAGE=ON -P CheckInstall.cmake

# Runs a command; a failure ends the test with its output. The standard output goes to
# `out`.
function(check_run out)
  execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    string(REPLACE ";" " " command "${ARGN}")
    message(FATAL_ERROR "failed (${status}): ${command}\n${stdout}\n${stderr}")
  endif()
  set(${out} "${stdout}" PARENT_SCOPE)
endfunction()

function(expect_in text wanted what)
  string(FIND "${text}" "${wanted}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${what}: expected '${wanted}' in:\n${text}")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
get_filename_component(WORK ${WORK} REALPATH)
set(prefix ${WORK}/prefix)
unset(ENV{LD_LIBRARY_PATH})
set(ENV{ORVANE_REGISTRY_DIR} ${WORK}/registry)

check_run(out ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
foreach(file include/orvane/orvane.hpp ${LIBDIR}/Orvane.mdb ${LIBDIR}/pkgconfig/orvane.pc
             ${LIBDIR}/cmake/orvane/orvaneConfig.cmake share/doc/orvane/kinds.md
             share/doc/orvane/LICENSE)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
if(MAN_PAGE AND NOT EXISTS ${prefix}/share/man/man1/orvane.1)
  message(FATAL_ERROR "not installed: share/man/man1/orvane.1")
endif()

# A program built with find_package, with the same compiler as the project.
check_run(out ${CMAKE_COMMAND} -S ${SOURCE} -B ${WORK}/find-package -DCMAKE_BUILD_TYPE=Release
          -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}")
check_run(out ${CMAKE_COMMAND} --build ${WORK}/find-package)
check_run(out ${WORK}/find-package/consumer)
expect_in("${out}" "folder ${prefix}/${LIBDIR}\n" "find_package program")
expect_in("${out}" "version ${VERSION}\n" "find_package program")
expect_in("${out}" "list Climb:4, Jump:0\n" "find_package program")

# A program built with the flags pkg-config gives.
set(ENV{PKG_CONFIG_PATH} ${prefix}/${LIBDIR}/pkgconfig)
check_run(pc_prefix pkg-config --variable=prefix orvane)
string(STRIP "${pc_prefix}" pc_prefix)
get_filename_component(pc_prefix "${pc_prefix}" REALPATH)
if(NOT pc_prefix STREQUAL prefix)
  message(FATAL_ERROR "orvane.pc gives the prefix ${pc_prefix}, not ${prefix}")
endif()
check_run(pc_flags pkg-config --cflags --libs orvane)
separate_arguments(pc_flags UNIX_COMMAND "${pc_flags}")
separate_arguments(cxx_flags UNIX_COMMAND "${CXX_FLAGS}")
check_run(out ${CXX} ${cxx_flags} ${SOURCE}/consumer.cpp -o ${WORK}/pkg-config-consumer ${pc_flags}
          -Wl,-rpath,${prefix}/${LIBDIR})
check_run(out ${WORK}/pkg-config-consumer)
expect_in("${out}" "folder ${prefix}/${LIBDIR}\n" "pkg-config program")

# The installed tool finds its library and the sample beside it.
check_run(out ${prefix}/${BINDIR}/orvane --version)
expect_in("${out}" "orvane ${VERSION}" "installed orvane --version")
check_run(out ${prefix}/${BINDIR}/orvane info)
expect_in("${out}" "Database: ${prefix}/${LIBDIR}/Orvane.mdb" "installed orvane info")

# Moved as a whole, the installation still works: the tool's run path and the pkg-config
# file's prefix are relative to where they are.
set(moved ${WORK}/moved)
file(RENAME ${prefix} ${moved})
check_run(out ${moved}/${BINDIR}/orvane info)
expect_in("${out}" "Database: ${moved}/${LIBDIR}/Orvane.mdb" "moved orvane info")
set(ENV{PKG_CONFIG_PATH} ${moved}/${LIBDIR}/pkgconfig)
check_run(pc_libdir pkg-config --variable=libdir orvane)
string(STRIP "${pc_libdir}" pc_libdir)
get_filename_component(pc_libdir "${pc_libdir}" REALPATH)
if(NOT pc_libdir STREQUAL "${moved}/${LIBDIR}")
  message(FATAL_ERROR "the moved orvane.pc gives the libdir ${pc_libdir}")
endif()
file(REMOVE_RECURSE ${WORK})
message(STATUS "installed, used and moved: fine")
