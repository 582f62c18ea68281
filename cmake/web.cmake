# The page's build with Emscripten. With BRISEL_WEB_SIMD the engine's SSE2
# paths become WebAssembly SIMD, which every current browser runs; without,
# it takes its plain C++ paths. Link-time optimisation inlines across the
# engine's small classes, as the native release build does; bulk memory
# copies in WebAssembly rather than through the worker's script.
option(BRISEL_WEB_SIMD "Build the page with WebAssembly SIMD" ON)
if(BRISEL_WEB_SIMD)
  add_compile_options(-msimd128 -msse2)
endif()
add_compile_options(-flto -mbulk-memory)
add_link_options(-flto -mbulk-memory)
