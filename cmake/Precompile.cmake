# Precompiled system headers. windows.h and the C++ library headers cost about two seconds of
# parsing per source at every compilation, more than most of our sources themselves. One
# precompiled header per tree serves the program's code, a second one (with GoogleTest) the
# tests; every target reuses one of them instead of parsing the headers again.
#   -DTACKNOTE_PCH=OFF builds without them, as a plain compiler would.
option(TACKNOTE_PCH "Precompile the system headers once per tree" ON)

if(TACKNOTE_PCH)
  add_library(tacknote_pch STATIC ${CMAKE_SOURCE_DIR}/cmake/pch/empty.cpp)
  target_precompile_headers(tacknote_pch PRIVATE ${CMAKE_SOURCE_DIR}/cmake/pch/system.h)
  add_library(tacknote_pch_test STATIC ${CMAKE_SOURCE_DIR}/cmake/pch/empty.cpp)
  target_link_libraries(tacknote_pch_test PRIVATE gtest)
  target_precompile_headers(tacknote_pch_test PRIVATE ${CMAKE_SOURCE_DIR}/cmake/pch/system.h
                            <gtest/gtest.h>)
  if(TACKNOTE_CCACHE)
    # ccache caches a compilation that uses a precompiled header only when it can see which
    # one; the header's own compilation is cached too, so other clones get the same bytes.
    foreach(owner tacknote_pch tacknote_pch_test)
      target_compile_options(${owner} PUBLIC -fpch-preprocess)
    endforeach()
  endif()
endif()

#   tacknote_precompile(TARGET [TEST])
function(tacknote_precompile target)
  if(NOT TACKNOTE_PCH)
    return()
  endif()
  cmake_parse_arguments(P "TEST" "" "" ${ARGN})
  if(P_TEST)
    target_precompile_headers(${target} REUSE_FROM tacknote_pch_test)
  else()
    target_precompile_headers(${target} REUSE_FROM tacknote_pch)
  endif()
  if(TACKNOTE_CCACHE)
    target_compile_options(${target} PRIVATE -fpch-preprocess)
  endif()
endfunction()

# Every C++ target below DIR that has no precompiled header yet gets the program's one.
# GoogleTest's own targets are left out: they are built without our definitions, which the
# header was made with, so the compiler would only warn and not use it.
function(tacknote_precompile_tree dir)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  list(FILTER subdirs EXCLUDE REGEX "/googletest$")
  foreach(sub IN LISTS subdirs)
    tacknote_precompile_tree(${sub})
  endforeach()
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    get_target_property(reuse ${target} PRECOMPILE_HEADERS_REUSE_FROM)
    get_target_property(own ${target} PRECOMPILE_HEADERS)
    get_target_property(sources ${target} SOURCES)
    list(FILTER sources INCLUDE REGEX "\\.(cpp|cc)$")
    if(type MATCHES "^(STATIC_LIBRARY|EXECUTABLE|OBJECT_LIBRARY)$" AND NOT reuse AND NOT own
       AND sources AND NOT target MATCHES "^(header_check|tacknote_pch.*)$")
      tacknote_precompile(${target})
    endif()
  endforeach()
endfunction()
