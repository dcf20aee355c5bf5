# The program as WebAssembly for the web page in web/, built with emscripten's toolchain
# (emcmake cmake): nnrules.js, a module that the page imports, and nnrules.wasm.
target_link_options(nnrules PRIVATE
  # Reading a typed line waits for the page's keyboard, and a long run lets the page draw
  # and take keys now and then: both unwind the program and resume it later.
  -sASYNCIFY
  -sMODULARIZE -sEXPORT_ES6 -sEXPORT_NAME=startProgram -sENVIRONMENT=web
  # The page says when the program has ended, with q or Ctrl-C.
  -sEXIT_RUNTIME
  # Nothing is evaluated from text: the page's Content-Security-Policy allows no eval.
  -sDYNAMIC_EXECUTION=0
  -sALLOW_MEMORY_GROWTH)

# Optimised for size: the page loads a third less than at -O3, and the back-propagation run
# is about as fast.
target_compile_options(nnrules_core PUBLIC -Os)
target_link_options(nnrules PRIVATE -Os)

# The figures must be the native program's to the last bit. Without errno, the compiler
# would compute pow(x, 0.5) as a square root, which near 1 rounds otherwise than the C
# library's pow that the native program calls (the Kohonen demo would train on for ever).
target_compile_options(nnrules_core PUBLIC -fmath-errno)
