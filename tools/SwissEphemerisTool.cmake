# What the generators that link the Swiss Ephemeris share: C++20, a release
# build unless another is asked for, the library found through pkg-config or a
# plain search, and the warnings. Included after project() by their own
# CMakeLists.txt; each is a project of its own, as the program never links
# the library.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
    set(CMAKE_BUILD_TYPE Release CACHE STRING "Build type" FORCE)
endif()

# Debian's libswe-dev ships a pkg-config file (swe.pc); fall back to a plain search.
find_package(PkgConfig QUIET)
if(PkgConfig_FOUND)
    pkg_check_modules(SWE IMPORTED_TARGET swe)
endif()
if(TARGET PkgConfig::SWE)
    set(SWISS_EPHEMERIS PkgConfig::SWE)
else()
    find_path(SWE_INCLUDE_DIR swephexp.h REQUIRED)
    find_library(SWE_LIBRARY swe REQUIRED)
    add_library(swe_plain INTERFACE)
    target_include_directories(swe_plain INTERFACE ${SWE_INCLUDE_DIR})
    target_link_libraries(swe_plain INTERFACE ${SWE_LIBRARY} m ${CMAKE_DL_LIBS})
    set(SWISS_EPHEMERIS swe_plain)
endif()

# add_swiss_ephemeris_tool(NAME SOURCE...): the generator's program.
function(add_swiss_ephemeris_tool name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE ${SWISS_EPHEMERIS})
    target_compile_options(${name} PRIVATE
        $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                       -Wno-sign-conversion>)
endfunction()
