# SPDX-License-Identifier: GPL-3.0-or-later
if(VENTROSE_SANITIZE)
  # Applied to every target of the build, tests included, so that a report anywhere fails.
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
