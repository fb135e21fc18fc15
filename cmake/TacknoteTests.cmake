# Every test run under Wine takes a free Wine desktop (a display, a prefix and its Wine server,
# see scripts/test.sh) for its whole run, through scripts/on-desktop.sh, the toolchain's test
# emulator: no other test's focus changes disturb its windows, and no process started beside it
# in the same prefix rewrites the prefix's locale settings (a process starting under another
# locale than the last one writes that locale's formats there). Script tests run under it too.
set(TACKNOTE_ON_DESKTOP ${CMAKE_SOURCE_DIR}/scripts/on-desktop.sh)

# A test program's sources are compiled together as one source (a unity build): most of a test
# source's compilation is GoogleTest's templates, instantiated again in every source, so this
# takes about a third off the tests' compile time. Names at file scope must therefore differ
# between a test program's sources, even inside an unnamed namespace. The one source includes
# the others by their paths in the source tree, not by absolute paths as CMake's own unity
# build does, so that a compiler cache filled in one checkout serves another.
function(tacknote_test_compile target)
  tacknote_precompile(${target} TEST)
  get_target_property(sources ${target} SOURCES)
  set(others ${sources})
  list(FILTER sources INCLUDE REGEX "\\.cpp$")
  list(FILTER others EXCLUDE REGEX "\\.cpp$")
  set(includes "")
  foreach(source IN LISTS sources)
    get_filename_component(path ${source} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    file(RELATIVE_PATH path ${CMAKE_SOURCE_DIR} ${path})
    string(APPEND includes "#include \"${path}\"\n")
  endforeach()
  set(all ${CMAKE_CURRENT_BINARY_DIR}/${target}_all.cpp)
  # CONFIGURE rewrites the file only when its text changes, so nothing rebuilds needlessly.
  file(CONFIGURE OUTPUT ${all} CONTENT "${includes}" @ONLY)
  set_property(TARGET ${target} PROPERTY SOURCES ${all} ${others})
endfunction()

# One ctest entry per unit-test binary:
#   tacknote_unit_test(NAME source... LIBS lib...)
function(tacknote_unit_test name)
  cmake_parse_arguments(T "" "" "LIBS" ${ARGN})
  add_executable(${name} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest gtest_main)
  tacknote_test_compile(${name})
  add_test(NAME ${name} COMMAND ${name} --gtest_output=xml:${name}.xml
           WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()

# The end-to-end test bed and the drivers of a note, the tray and the alarm dialog, each
# compiled once per tree for every test and benchmark that uses it.
function(tacknote_e2e_support)
  if(NOT TARGET e2e_support)
    set(e2e ${CMAKE_SOURCE_DIR}/tests/e2e)
    add_library(e2e_support STATIC ${e2e}/support/e2e.cpp)
    target_include_directories(e2e_support PUBLIC ${e2e}/support)
    target_link_libraries(e2e_support PUBLIC gtest)
    add_library(e2e_note_driver STATIC ${e2e}/note/NoteDriver.cpp)
    target_include_directories(e2e_note_driver PUBLIC ${e2e}/note)
    target_link_libraries(e2e_note_driver PUBLIC e2e_support)
    add_library(e2e_tray_driver STATIC ${e2e}/tray/tray_driver.cpp)
    target_include_directories(e2e_tray_driver PUBLIC ${e2e}/tray)
    target_link_libraries(e2e_tray_driver PUBLIC e2e_support)
    add_library(e2e_alarm_driver STATIC ${e2e}/alarm/AlarmDriver.cpp)
    target_include_directories(e2e_alarm_driver PUBLIC ${e2e}/alarm)
    target_link_libraries(e2e_alarm_driver PUBLIC e2e_note_driver datectl dateparse framework)
    foreach(lib e2e_support e2e_note_driver e2e_tray_driver e2e_alarm_driver)
      tacknote_precompile(${lib})
    endforeach()
  endif()
endfunction()

# End-to-end tests drive real windows, each on a desktop of its own. They find the program
# through TACKNOTE_BUILD (the build root, as a Unix path).
#   tacknote_e2e_test(NAME source... LIBS lib... DEPENDS target...)
function(tacknote_e2e_test name)
  cmake_parse_arguments(T "" "" "LIBS;DEPENDS" ${ARGN})
  tacknote_e2e_support()
  add_executable(${name} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${T_LIBS} e2e_support gtest gtest_main)
  tacknote_test_compile(${name})
  if(T_DEPENDS)
    add_dependencies(${name} ${T_DEPENDS})
  endif()
  add_test(NAME ${name} COMMAND ${name} --gtest_output=xml:${name}.xml
           WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  set_tests_properties(${name} PROPERTIES TIMEOUT 600 ENVIRONMENT "TACKNOTE_BUILD=${CMAKE_BINARY_DIR}")
endfunction()
