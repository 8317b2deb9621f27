# Sets the project's warning and sanitizer flags on one target.
function(kadrel_target_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(KADREL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(KADREL_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                             -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()
