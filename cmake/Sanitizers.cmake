# AddressSanitizer and UndefinedBehaviorSanitizer for every target of the
# project (ZE_SANITIZE), and the coverage that libFuzzer steers by (ZE_FUZZ).
# Both go through project_config, so the libraries, the tests, the programs
# and the fuzz programs of one build folder agree.

if(ZE_SANITIZE)
  # Undefined behaviour stops the program like a crash, so that a test or a
  # fuzz run fails on it instead of printing a line nobody reads.
  target_compile_options(project_config INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(project_config INTERFACE -fsanitize=address,undefined)
endif()

# libFuzzer comes with clang; gcc has none, and a gcc build never asks for it.
set(ze_libfuzzer_found OFF)
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  include(CheckCXXSourceCompiles)
  set(CMAKE_REQUIRED_FLAGS -fsanitize=fuzzer)
  set(CMAKE_REQUIRED_LINK_OPTIONS -fsanitize=fuzzer)
  check_cxx_source_compiles([[
#include <cstddef>
#include <cstdint>
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }
]] ZE_HAVE_LIBFUZZER)
  unset(CMAKE_REQUIRED_FLAGS)
  unset(CMAKE_REQUIRED_LINK_OPTIONS)
  set(ze_libfuzzer_found ${ZE_HAVE_LIBFUZZER})
endif()

option(ZE_FUZZ "Build the fuzz programs of fuzz/ (clang with libFuzzer)" ${ze_libfuzzer_found})

if(ZE_FUZZ)
  if(NOT ze_libfuzzer_found)
    message(FATAL_ERROR "ZE_FUZZ needs clang with libFuzzer (Debian: clang-14, libclang-rt-14-dev)")
  endif()
  # Coverage counters only; the fuzz programs link libFuzzer itself.
  target_compile_options(project_config INTERFACE -fsanitize=fuzzer-no-link)
  target_link_options(project_config INTERFACE -fsanitize=fuzzer-no-link)
endif()
