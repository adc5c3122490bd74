# VELTRANE_SANITIZE=ON builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer (scripts/sanitize.sh runs the tests that way).
# Any finding aborts the program, so a test that trips one fails.
option(VELTRANE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(VELTRANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
