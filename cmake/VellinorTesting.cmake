# Helpers shared by the test folders (tests/unit, tests/win, tests/e2e ...).

# Every GoogleTest executable writes its results here as <test name>.xml; scripts/test adds
# them up for its summary line.
set(VELLINOR_TEST_RESULTS_DIR "${CMAKE_BINARY_DIR}/test-results")
file(MAKE_DIRECTORY "${VELLINOR_TEST_RESULTS_DIR}")

# vellinor_runtime_path(<out-var> <absolute host path>)
# The same path as a test program sees it: unchanged natively, "Z:/..." under Wine, which maps
# drive Z: to the Linux root.
function(vellinor_runtime_path out path)
  if(WIN32 AND CMAKE_CROSSCOMPILING)
    set(${out} "Z:${path}" PARENT_SCOPE)
  else()
    set(${out} "${path}" PARENT_SCOPE)
  endif()
endfunction()

# vellinor_test_paths(<target>)
# Compile definitions VELLINOR_PEERS_DIR (the shared peer sample files beside the repository)
# and VELLINOR_TEST_DATA_DIR (tests/data), as runtime paths without a trailing slash.
function(vellinor_test_paths target)
  get_filename_component(peers "${CMAKE_SOURCE_DIR}/../shared/peers" ABSOLUTE)
  vellinor_runtime_path(peers "${peers}")
  vellinor_runtime_path(data "${CMAKE_SOURCE_DIR}/tests/data")
  target_compile_definitions(${target} PRIVATE
    VELLINOR_PEERS_DIR="${peers}"
    VELLINOR_TEST_DATA_DIR="${data}")
endfunction()

# vellinor_add_gtest(<target> [LABELS l...] [TIMEOUT seconds] [RUN_SERIAL])
# Registers a GoogleTest executable as one ctest test named like the target. Under a
# cross build ctest runs it through CMAKE_CROSSCOMPILING_EMULATOR (scripts/wine-exec).
# Extra arguments after `--` on the ctest command line are not passed; run the
# executable itself with --gtest_filter=... to pick single cases (see README.md).
function(vellinor_add_gtest target)
  cmake_parse_arguments(arg "RUN_SERIAL" "TIMEOUT" "LABELS" ${ARGN})
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 300)
  endif()
  vellinor_runtime_path(xml "${VELLINOR_TEST_RESULTS_DIR}/${target}.xml")
  add_test(NAME ${target} COMMAND ${target} --gtest_output=xml:${xml} --gtest_color=no)
  set_tests_properties(${target} PROPERTIES TIMEOUT ${arg_TIMEOUT} LABELS "${arg_LABELS}")
  if(arg_RUN_SERIAL)
    set_tests_properties(${target} PROPERTIES RUN_SERIAL TRUE)
  endif()
endfunction()
