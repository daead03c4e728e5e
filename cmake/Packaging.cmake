# Desktop integration and packaging, included last by the top-level
# CMakeLists.txt, when the program's targets exist.
add_subdirectory(packaging)
