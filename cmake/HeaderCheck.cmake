# Every header of these areas compiles on its own: one generated source per header includes
# only that header (twice, which also proves its include guard), and the object library is
# part of the default build, so a header that leans on what its includer brought in breaks
# the build where it is written rather than in some later user.
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
if(header_check_sources AND CMAKE_SIZEOF_VOID_P EQUAL 8)
  add_library(header_check OBJECT ${header_check_sources})
endif()
