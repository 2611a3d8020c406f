# Helpers that keep the per-folder targets uniform: every folder under src/
# is one static library made of all sources it holds, and every folder under
# tests/ is one GoogleTest program.

set(ZELVO_APP_LIBRARIES "" CACHE INTERNAL "")

# zelvo_library(<target> <folder> <link libraries...>)
# A folder without sources produces no target; links to it are left out.
function(zelvo_library target folder)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_SOURCE_DIR}/${folder}/*.cpp ${CMAKE_SOURCE_DIR}/${folder}/*.h)
  if(NOT sources)
    return()
  endif()
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  set(libs)
  foreach(lib IN LISTS ARGN)
    if(TARGET ${lib} OR lib MATCHES "::")
      list(APPEND libs ${lib})
    endif()
  endforeach()
  target_link_libraries(${target} PUBLIC ${libs})
  set(ZELVO_APP_LIBRARIES ${ZELVO_APP_LIBRARIES} ${target} CACHE INTERNAL "")
endfunction()

# zelvo_tests(<folder under tests/> <link libraries...>)
function(zelvo_tests folder)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_SOURCE_DIR}/tests/${folder}/*.cpp ${CMAKE_SOURCE_DIR}/tests/${folder}/*.h)
  if(NOT sources)
    return()
  endif()
  string(REPLACE "/" "_" name "test_${folder}")
  add_executable(${name} ${sources})
  set(libs)
  foreach(lib IN LISTS ARGN)
    if(TARGET ${lib} OR lib MATCHES "::")
      list(APPEND libs ${lib})
    endif()
  endforeach()
  target_link_libraries(${name} PRIVATE ${libs} zelvo_test_main GTest::gtest Qt6::Test)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_options(${name} PRIVATE -include ${CMAKE_SOURCE_DIR}/tests/support/QtPrinters.h)
  add_dependencies(${name} zelvo_data)
  # Tests that talk to a simulated sensor find the simulator here.
  if(TARGET sensorsim)
    target_compile_definitions(${name} PRIVATE SENSORSIM_PATH="$<TARGET_FILE:sensorsim>")
    add_dependencies(${name} sensorsim)
  endif()
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
