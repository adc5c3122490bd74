# The persistence benchmarks measure our INI loading against libinih's bare parse.
pkg_check_modules(INIH IMPORTED_TARGET inih)
if(INIH_FOUND)
  target_link_libraries(veltrane-bench PRIVATE PkgConfig::INIH)
  target_compile_definitions(veltrane-bench PRIVATE VELTRANE_HAVE_INIH=1)
endif()
