# Warnings are errors on every target; third-party code (GLFW, GoogleTest) is built without them.
function(vorlune_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wno-sign-conversion -Werror)
endfunction()
