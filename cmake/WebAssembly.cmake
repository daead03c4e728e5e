# The page's build (configured by emcmake, see scripts/web): the Qt-free
# layers compiled with Emscripten into one WebAssembly module, and the static
# page in web/ beside it, in <build>/site.
#
# The layers raise and catch C++ exceptions (a bad text ends its handler with
# the error report), so every object is built with exception support:
# WebAssembly's own, which every current browser has (Chrome 95, Firefox 100,
# Safari 15.2), and which keeps the module a tenth smaller than exceptions
# emulated through JavaScript.
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions)

foreach(layer platform scene sim chart widgets/model form)
  add_subdirectory(${layer})
endforeach()
add_subdirectory(web)

otpor_check_qt_free_layers()
