# SPDX-License-Identifier: GPL-3.0-or-later
# Warnings are errors in the project's own targets only; third-party headers are system
# includes and stay quiet.
function(ventrose_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()
