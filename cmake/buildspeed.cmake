# Build time: precompiled headers shared between the targets of one kind of compile, and
# ccache told how to cache them.
#
# Three kinds: plain C++ (the core and everything vandrell-cli links), Qt (the windows and
# the programs that paint), and the tests (Qt and GoogleTest). Within a kind every target
# compiles with the same flags, so one target precompiles the headers and the others reuse
# them. GCC only: clang refuses a precompiled header made under other -D options, and the
# fuzz build is clang's.
option(VANDRELL_PRECOMPILED_HEADERS "Precompile the standard, Qt and GoogleTest headers (GCC)" ON)

set(VANDRELL_PCH_STD <algorithm> <array> <cmath> <cstdint> <cstdio> <filesystem> <functional> <map>
    <memory> <optional> <string> <string_view> <utility> <vector>)
set(VANDRELL_PCH_QT ${VANDRELL_PCH_STD} <QApplication> <QCheckBox> <QComboBox> <QDialog> <QDialogButtonBox>
    <QGridLayout> <QHBoxLayout> <QLabel> <QLineEdit> <QPainter> <QPushButton> <QRadioButton> <QString>
    <QVBoxLayout> <QWidget>)
set(VANDRELL_PCH_TESTS <gtest/gtest.h>)

if(VANDRELL_PRECOMPILED_HEADERS AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  set(VANDRELL_PRECOMPILED_HEADERS OFF)
endif()

# GCC 12 forgets that the headers it reads from a precompiled header are the system's, and
# reports from them its std::string false positives of the buffer-size warnings (the
# -Wrestrict one is off already). The sanitizer build still catches a real overflow.
if(VANDRELL_PRECOMPILED_HEADERS AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  add_compile_options(-Wno-array-bounds -Wno-stringop-overflow -Wno-stringop-overread)
endif()

# ccache caches the compiles that use a precompiled header only when told that the
# header's macros and __TIME__ may be taken as they are; the launcher says so for this
# build alone, whatever the user's own ccache settings.
if(CCACHE_PROGRAM AND VANDRELL_PRECOMPILED_HEADERS)
  find_program(VANDRELL_ENV_PROGRAM env)
  if(VANDRELL_ENV_PROGRAM)
    set(CMAKE_CXX_COMPILER_LAUNCHER ${VANDRELL_ENV_PROGRAM} CCACHE_SLOPPINESS=pch_defines,time_macros
        ${CCACHE_PROGRAM})
    add_compile_options(-fpch-preprocess)
  endif()
endif()

# The first target of a kind precompiles its headers; the later ones reuse them.
function(vandrell_precompiled_headers target kind)
  if(NOT VANDRELL_PRECOMPILED_HEADERS)
    return()
  endif()
  get_property(donor GLOBAL PROPERTY VANDRELL_PCH_DONOR_${kind})
  if(donor)
    target_precompile_headers(${target} REUSE_FROM ${donor})
  else()
    target_precompile_headers(${target} PRIVATE ${ARGN})
    set_property(GLOBAL PROPERTY VANDRELL_PCH_DONOR_${kind} ${target})
  endif()
endfunction()

# Each folder's sources compile as a few larger units (eight files each): every unit pays
# once for its precompiled headers and for the templates its files share. The files of a
# folder therefore keep their file-local names apart.
option(VANDRELL_UNITY_BUILD "Compile each folder's sources in units of eight" ON)
function(vandrell_unity_build target)
  if(VANDRELL_UNITY_BUILD)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
  endif()
endfunction()

# lld links the test programs in a fraction of the time the default linker takes.
include(CheckLinkerFlag)
check_linker_flag(CXX -fuse-ld=lld VANDRELL_HAVE_LLD)
if(VANDRELL_HAVE_LLD)
  add_link_options(-fuse-ld=lld)
endif()
