# LLVM's Demangle library, which turns Microsoft and Itanium C++ names back into declarations:
# the target quillon_llvm_demangle.
#
# Native builds link Debian's libLLVMDemangle (package llvm-dev). Cross builds, and any build
# given QUILLON_LLVM_DEMANGLE_SOURCE, compile the library's sources instead: the folder that
# scripts/fetch-llvm-demangle.sh unpacks from the source of Debian's LLVM package (by default
# the newest llvm-demangle-* in ~/.cache/quillon, or in $QUILLON_QT_CACHE).
set(QUILLON_LLVM_DEMANGLE_SOURCE "" CACHE PATH
    "Unpacked LLVM Demangle sources (llvm/lib/Demangle, llvm/include) to compile instead of linking libLLVMDemangle")

if(CMAKE_CROSSCOMPILING AND NOT QUILLON_LLVM_DEMANGLE_SOURCE)
    if(DEFINED ENV{QUILLON_QT_CACHE})
        set(demangle_cache "$ENV{QUILLON_QT_CACHE}")
    else()
        set(demangle_cache "$ENV{HOME}/.cache/quillon")
    endif()
    file(GLOB demangle_candidates LIST_DIRECTORIES true "${demangle_cache}/llvm-demangle-*")
    list(SORT demangle_candidates COMPARE NATURAL)
    foreach(candidate IN LISTS demangle_candidates)
        if(EXISTS "${candidate}/quillon-demangle.stamp")
            set(QUILLON_LLVM_DEMANGLE_SOURCE "${candidate}" CACHE PATH "" FORCE)
        endif()
    endforeach()
    if(NOT QUILLON_LLVM_DEMANGLE_SOURCE)
        message(FATAL_ERROR "No LLVM Demangle sources for the cross build in ${demangle_cache}: "
            "run scripts/fetch-llvm-demangle.sh, or name the folder in QUILLON_LLVM_DEMANGLE_SOURCE")
    endif()
endif()

if(QUILLON_LLVM_DEMANGLE_SOURCE)
    set(demangle_dir "${QUILLON_LLVM_DEMANGLE_SOURCE}/llvm/lib/Demangle")
    # The Rust and D demanglers are left out: Windows DLLs carry Microsoft and Itanium names.
    add_library(quillon_llvm_demangle STATIC
        "${demangle_dir}/ItaniumDemangle.cpp"
        "${demangle_dir}/MicrosoftDemangle.cpp"
        "${demangle_dir}/MicrosoftDemangleNodes.cpp")
    target_include_directories(quillon_llvm_demangle SYSTEM PUBLIC
        "${QUILLON_LLVM_DEMANGLE_SOURCE}/llvm/include")
    # LLVM's own code: its warnings are not ours to fix.
    target_compile_options(quillon_llvm_demangle PRIVATE -w)
    target_link_libraries(quillon_llvm_demangle PUBLIC quillon_sanitize)
    message(STATUS "LLVM Demangle: compiled from ${QUILLON_LLVM_DEMANGLE_SOURCE}")
else()
    find_program(QUILLON_LLVM_CONFIG NAMES llvm-config)
    set(demangle_hints_include "")
    set(demangle_hints_lib "")
    if(QUILLON_LLVM_CONFIG)
        execute_process(COMMAND "${QUILLON_LLVM_CONFIG}" --includedir
            OUTPUT_VARIABLE demangle_hints_include OUTPUT_STRIP_TRAILING_WHITESPACE)
        execute_process(COMMAND "${QUILLON_LLVM_CONFIG}" --libdir
            OUTPUT_VARIABLE demangle_hints_lib OUTPUT_STRIP_TRAILING_WHITESPACE)
    endif()
    find_path(QUILLON_LLVM_DEMANGLE_INCLUDE llvm/Demangle/Demangle.h
        HINTS ${demangle_hints_include} REQUIRED)
    find_library(QUILLON_LLVM_DEMANGLE_LIBRARY NAMES LLVMDemangle
        HINTS ${demangle_hints_lib} REQUIRED)
    add_library(quillon_llvm_demangle INTERFACE)
    target_include_directories(quillon_llvm_demangle SYSTEM INTERFACE
        "${QUILLON_LLVM_DEMANGLE_INCLUDE}")
    target_link_libraries(quillon_llvm_demangle INTERFACE "${QUILLON_LLVM_DEMANGLE_LIBRARY}")
    message(STATUS "LLVM Demangle: ${QUILLON_LLVM_DEMANGLE_LIBRARY}")
endif()
