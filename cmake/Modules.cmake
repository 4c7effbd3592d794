# The two deliverables are each a static core (everything but the module
# entry) plus a shared module that exports only its entry points. Tests link
# the cores; each subsystem folder adds its sources to the core it belongs to.

# TalvenMocAdapter: subsystems 1-4 and the file and session queries.
add_library(talven_moc_core STATIC)
target_include_directories(talven_moc_core PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(talven_moc_core PUBLIC win32_platform mbedcrypto_dep)

# OrbyMocUtil: the message log and the autologger service.
add_library(orby_moc_core STATIC)
target_include_directories(orby_moc_core PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(orby_moc_core PUBLIC win32_platform)

# talven_module(NAME EXPORTS_FILE SOURCES...): a shared module whose only
# exported symbols are those listed in EXPORTS_FILE (one name a line), as a
# Windows .def file would list them.
function(talven_module name exports_file)
  add_library(${name} SHARED ${ARGN})
  set_target_properties(${name} PROPERTIES PREFIX "" CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  if(WIN32)
    target_link_options(${name} PRIVATE ${exports_file} -static -static-libgcc -static-libstdc++)
  else()
    file(STRINGS ${exports_file} export_names REGEX "^[A-Za-z_]")
    list(FILTER export_names EXCLUDE REGEX "^(EXPORTS|LIBRARY)")
    set(script "{\n  global:\n")
    foreach(sym IN LISTS export_names)
      string(APPEND script "    ${sym};\n")
    endforeach()
    string(APPEND script "  local: *;\n};\n")
    set(script_file ${CMAKE_CURRENT_BINARY_DIR}/${name}.version)
    file(WRITE ${script_file} "${script}")
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/platform/host/dll_process_hooks.cpp)
    target_link_options(${name} PRIVATE -Wl,--version-script=${script_file} -Wl,--no-undefined)
    set_property(TARGET ${name} APPEND PROPERTY LINK_DEPENDS ${script_file})
  endif()
endfunction()

# talven_test(NAME SOURCES... LIBS libs...): a GoogleTest executable run by ctest.
function(talven_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main Threads::Threads)
  add_test(NAME ${name} COMMAND ${name})
endfunction()
