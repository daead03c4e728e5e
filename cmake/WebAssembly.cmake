# The page's build (configured by emcmake, see scripts/web): the Qt-free
# layers compiled with Emscripten into one WebAssembly module, and the static
# page in web/ beside it, in <build>/site.
#
# The layers raise and catch C++ exceptions (a bad text ends its handler with
# the error report), so every object is built with exception support.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)

foreach(layer platform scene sim chart widgets/model form)
  add_subdirectory(${layer})
endforeach()
add_subdirectory(web)

# Each tick draws through the scene, the chart and the rasterizer, which keep
# the speed of -O3; the rest (the inputs' handlers and texts, the spin model,
# the glue) runs once per user event and is made small.
foreach(target sim spin_model otpor_web)
  target_compile_options(${target} PRIVATE -Os)
endforeach()

otpor_check_qt_free_layers()
