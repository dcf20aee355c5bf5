# The program as WebAssembly for the web page in web/, built with emscripten's toolchain
# (emcmake cmake): nnrules.js, a module that the page imports, and nnrules.wasm.
target_link_options(nnrules PRIVATE
  # Reading a typed line waits for the page's keyboard, and a training lets the page draw and
  # take keys now and then: both unwind the program and resume it later. Only the functions on
  # the way to those waits are made able to (half the size of making every function able to),
  # so calls through pointers are taken not to lead to a wait (the streams' own: writing never
  # waits; the pictures'), but for the demo that runDemo (or practise, for a sheet, a key or
  # grades) calls from the menu's table: main and the run functions, into which the optimizer
  # may fold runDemo, are named, and practise. A wait reached
  # through another call by pointer needs its caller named here.
  -sASYNCIFY
  -sASYNCIFY_IGNORE_INDIRECT
  -sASYNCIFY_ADD=main,run*,practise*
  -sMODULARIZE -sEXPORT_ES6 -sEXPORT_NAME=startProgram -sENVIRONMENT=web
  # The page builds its row of demos and toggles from the program's tables, and writes the
  # answer files chosen in it where the program reads them.
  -sEXPORTED_FUNCTIONS=_main,_optionsRow -sEXPORTED_RUNTIME_METHODS=UTF8ToString,FS
  # The page says when the program has ended, with q or Ctrl-C.
  -sEXIT_RUNTIME
  # Nothing is evaluated from text: the page's Content-Security-Policy allows no eval.
  -sDYNAMIC_EXECUTION=0
  -sALLOW_MEMORY_GROWTH)

# The figures must be the native program's to the last bit. Without errno, the compiler
# would compute pow(x, 0.5) as a square root, which near 1 rounds otherwise than the C
# library's pow that the native program calls (the Kohonen demo would train on for ever).
target_compile_options(nnrules_core PUBLIC -fmath-errno)
