# SPDX-License-Identifier: GPL-3.0-or-later
if(VENTROSE_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VENTROSE_FUZZ needs clang's libFuzzer: configure with the fuzz preset")
  endif()
  # Every library is instrumented, not only the harnesses, so that libFuzzer is steered by the
  # coverage of the product's own branches, and a sanitizer report anywhere stops the run.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
