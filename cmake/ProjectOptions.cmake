# One interface target carries the language level, warnings and sanitizers;
# every target of the project links it.
add_library(shotweave_options INTERFACE)
target_compile_features(shotweave_options INTERFACE cxx_std_20)
target_compile_options(shotweave_options INTERFACE -Wall -Wextra -Wpedantic)
if(SHOTWEAVE_WERROR)
  target_compile_options(shotweave_options INTERFACE -Werror)
endif()
if(SHOTWEAVE_SANITIZE)
  target_compile_options(shotweave_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -O1 -fno-sanitize-recover=undefined)
  target_link_options(shotweave_options INTERFACE -fsanitize=address,undefined)
endif()
if(SHOTWEAVE_FUZZ)
  # Every object is instrumented for libFuzzer; only the fuzz targets link its main.
  target_compile_options(shotweave_options INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(shotweave_options INTERFACE -fsanitize=address,undefined)
endif()
