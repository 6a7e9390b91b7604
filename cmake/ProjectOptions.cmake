# claimwright_options: the one INTERFACE target every target of ours links. It carries the
# language level, the warnings (errors in our code) and Qt's strictness defines.
add_library(claimwright_options INTERFACE)
target_compile_features(claimwright_options INTERFACE cxx_std_20)
target_compile_options(claimwright_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-qual -Wformat=2
  -Wimplicit-fallthrough -Werror)
target_compile_definitions(claimwright_options INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_CONTEXTLESS_CONNECT
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_URL_CAST_FROM_STRING
  QT_NO_FOREACH)

if(CLAIMWRIGHT_CHECKED)
  target_compile_definitions(claimwright_options INTERFACE _GLIBCXX_ASSERTIONS QT_FORCE_ASSERTS)
endif()

if(CLAIMWRIGHT_SANITIZE)
  target_compile_options(claimwright_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(claimwright_options INTERFACE -fsanitize=address,undefined)
endif()

if(CLAIMWRIGHT_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "CLAIMWRIGHT_FUZZ needs clang (libFuzzer), not ${CMAKE_CXX_COMPILER_ID}: "
                        "configure with CC=clang CXX=clang++ in a build folder of its own.")
  endif()
  # Everything is instrumented for coverage and the sanitizers; only the targets in fuzz/ link
  # libFuzzer's main.
  target_compile_options(claimwright_options INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
    -fno-omit-frame-pointer -g)
  target_link_options(claimwright_options INTERFACE -fsanitize=address,undefined)
endif()

# claimwright_add_library(<name> <qt-modules...> SOURCES <files...> [DEPENDS <targets...>])
# One static library per folder of src/.
function(claimwright_add_library name)
  cmake_parse_arguments(ARG "" "" "QT;SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC claimwright_options ${ARG_DEPENDS})
  foreach(module IN LISTS ARG_QT)
    target_link_libraries(${name} PUBLIC Qt6::${module})
  endforeach()
endfunction()
