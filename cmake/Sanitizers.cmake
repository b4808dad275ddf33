# Instrumented builds for finding memory and undefined-behaviour faults.
#
# ORBENZA_SANITIZE        AddressSanitizer (with LeakSanitizer) and
#                         UndefinedBehaviorSanitizer on every target, gcc or
#                         clang. Undefined behaviour ends the program at once
#                         (-fno-sanitize-recover), so a test cannot pass over it.
#                         The standard library's own checks (_GLIBCXX_ASSERTIONS:
#                         bounds of std::array, std::vector, std::string_view)
#                         are on too; they catch indexes that stay inside one
#                         object, where AddressSanitizer sees nothing.
# ORBENZA_BUILD_FUZZERS   The libFuzzer targets in tests/fuzz. Needs clang;
#                         turns ORBENZA_SANITIZE on and adds libFuzzer's
#                         coverage instrumentation to every target, so the
#                         fuzzers are guided through the core and the command
#                         line's support library as well as their own code.
#
# Both are meant for their own build folders (see CMakePresets.json: the
# presets asan and fuzz); the libraries of the system (Qt, GoogleTest) are not
# instrumented, which AddressSanitizer allows.

option(ORBENZA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(ORBENZA_BUILD_FUZZERS "Build the libFuzzer targets (needs clang, implies ORBENZA_SANITIZE)" OFF)

if(ORBENZA_BUILD_FUZZERS)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR
            "ORBENZA_BUILD_FUZZERS needs clang's libFuzzer; configure with "
            "-DCMAKE_CXX_COMPILER=clang++ (or use the preset: cmake --preset fuzz)")
    endif()
    if(NOT ORBENZA_SANITIZE)
        set(ORBENZA_SANITIZE ON CACHE BOOL
            "Build with AddressSanitizer and UndefinedBehaviorSanitizer" FORCE)
    endif()
endif()

if(ORBENZA_SANITIZE)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "^(GNU|Clang)$")
        message(FATAL_ERROR "ORBENZA_SANITIZE needs gcc or clang, not ${CMAKE_CXX_COMPILER_ID}")
    endif()
    set(ORBENZA_SANITIZER_FLAGS
        -fsanitize=address,undefined
        -fno-sanitize-recover=undefined
        -fno-omit-frame-pointer)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        # clang's "undefined" group holds this check already, gcc's does not:
        # a double too large for the integer it is converted to.
        list(APPEND ORBENZA_SANITIZER_FLAGS -fsanitize=float-cast-overflow)
    endif()
    add_compile_options(${ORBENZA_SANITIZER_FLAGS})
    add_link_options(${ORBENZA_SANITIZER_FLAGS})
    add_compile_definitions(_GLIBCXX_ASSERTIONS)
    message(STATUS "Sanitizers: ${ORBENZA_SANITIZER_FLAGS}")
endif()

if(ORBENZA_BUILD_FUZZERS)
    # Coverage feedback everywhere; only the fuzz targets link libFuzzer's main.
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
