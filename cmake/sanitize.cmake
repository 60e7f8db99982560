# Instrumented builds of the whole tree, GLFW included, so that a fault is caught wherever it lands.
#   VORLUNE_SANITIZE  AddressSanitizer (with LeakSanitizer) and UndefinedBehaviorSanitizer; the first
#                     report ends the process, so a test cannot pass over one.
#   VORLUNE_FUZZ      the same, plus libFuzzer's coverage instrumentation (clang only); the fuzz
#                     targets themselves live in tests/fuzz/.
option(VORLUNE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(VORLUNE_FUZZ "Build the libFuzzer targets (clang)" OFF)

if(VORLUNE_SANITIZE OR VORLUNE_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
if(VORLUNE_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "The fuzz targets need clang's libFuzzer (use the fuzz preset)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
