# Every header of these areas compiles on its own: one generated source per header includes
# only that header (twice, which also proves its include guard), so that a header that leans
# on what its includer brought in breaks the build where it is written rather than in some
# later user.
set(header_check_sources "")
foreach(area framework dateparse datectl)
  file(GLOB area_headers CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}
       ${CMAKE_SOURCE_DIR}/${area}/*.h)
  foreach(header IN LISTS area_headers)
    string(MAKE_C_IDENTIFIER ${header} stem)
    set(source ${CMAKE_BINARY_DIR}/header_check/${stem}.cpp)
    # CONFIGURE rewrites the file only when its text changes, so nothing rebuilds needlessly.
    file(CONFIGURE OUTPUT ${source} CONTENT "#include \"${header}\"\n#include \"${header}\"\n")
    list(APPEND header_check_sources ${source})
  endforeach()
endforeach()
# One tree is enough for a check of the source text: the 64-bit one, which every host tests.
# The checks are the target header_checks, in every tree (empty in the others), which
# scripts/build.sh builds after the default target: scripts/test.sh builds them last, beside
# the tests, which don't need them.
add_custom_target(header_checks)
if(header_check_sources AND CMAKE_SIZEOF_VOID_P EQUAL 8)
  add_library(header_check OBJECT EXCLUDE_FROM_ALL ${header_check_sources})
  add_dependencies(header_checks header_check)
endif()
