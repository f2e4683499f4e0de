# How a fresh build is made faster: precompiled headers and unity builds.
#
# Precompiled headers serve the targets whose sources spend most of their compile time parsing
# the same headers: the tests (GoogleTest) and the desktop program (Qt Widgets). Those headers are
# parsed once per target instead of once per source, which takes a quarter off a fresh Debug
# build. The core and the command line parse little and are built without them, so every build
# still shows a core source that forgets an include; QUILLON_PCH=OFF builds without any.
#
# A unity build compiles the core, the command line and the desktop program a few sources at a
# time, each batch as one source, which halves a fresh Release build. It is for builds made once
# and thrown away (the packages CI makes); names in unnamed namespaces must then be distinct
# within their target, which such a build checks.
#
#   quillon_precompile_headers(<target> <set>...)   sets: std, test, qt, qt_test
#   quillon_unity_build(<target>)
option(QUILLON_PCH "Precompile the headers most test and desktop sources include" ON)
option(QUILLON_UNITY_BUILD "Compile the core and the programs a batch of sources at a time" OFF)

set(QUILLON_PCH_std <algorithm> <array> <cstddef> <cstdint> <filesystem> <functional> <memory>
    <optional> <string> <string_view> <utility> <vector>)
set(QUILLON_PCH_test <gtest/gtest.h>)
set(QUILLON_PCH_qt <QAction> <QApplication> <QCheckBox> <QComboBox> <QDialog> <QDialogButtonBox>
    <QHeaderView> <QLabel> <QLineEdit> <QMenu> <QPushButton> <QTabWidget> <QToolButton>
    <QTreeView> <QVBoxLayout>)
set(QUILLON_PCH_qt_test <QTest>)

function(quillon_precompile_headers target)
    if(NOT QUILLON_PCH)
        return()
    endif()
    set(headers "")
    foreach(set IN LISTS ARGN)
        list(APPEND headers ${QUILLON_PCH_${set}})
    endforeach()
    target_precompile_headers(${target} PRIVATE ${headers})
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        # GCC 12 no longer takes <string> for a system header when it comes from a precompiled
        # header, so its false warnings about std::string when optimizing (its bugs 105329 and
        # 105651) are no longer silenced there.
        target_compile_options(${target} PRIVATE -Wno-array-bounds -Wno-stringop-overflow)
    endif()
endfunction()

function(quillon_unity_build target)
    if(QUILLON_UNITY_BUILD)
        set_target_properties(${target} PROPERTIES UNITY_BUILD ON)
    endif()
endfunction()

# ccache reuses objects built with a precompiled header only when it may ignore the macros and
# time stamps it cannot see through one.
function(quillon_compiler_launcher ccache)
    if(QUILLON_PCH)
        set(CMAKE_CXX_COMPILER_LAUNCHER "${CMAKE_COMMAND}" -E env
            "CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime"
            "${ccache}" PARENT_SCOPE)
    else()
        set(CMAKE_CXX_COMPILER_LAUNCHER "${ccache}" PARENT_SCOPE)
    endif()
endfunction()
