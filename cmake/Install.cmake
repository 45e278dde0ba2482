# What `cmake --install` gives a host: the library's public headers with
# those of MFC and the vendor toolkit that they name (include/), the import
# libraries (lib/), every DLL a host process loads (bin/), and a CMake
# package, so that a host project needs only
#   find_package(LatticeObject REQUIRED)
#   target_link_libraries(<host> PRIVATE LatticeObject::C_LatticeObject)
include(CMakePackageConfigHelpers)

install(DIRECTORY ${PROJECT_SOURCE_DIR}/mfc/include/ ${PROJECT_SOURCE_DIR}/vendor/include/
  DESTINATION include)
install(TARGETS mfc vendor_toolkit EXPORT LatticeObjectTargets
  RUNTIME DESTINATION bin
  ARCHIVE DESTINATION lib)

# The stand-ins for the host's own libraries, which the library loads. A
# real host brings its own: their headers are not installed, their DLLs are,
# and their imported targets (import libraries in lib/host) only because the
# library's target names them as what it loads. A stand-in the library
# links joins this list.
install(TARGETS host_runtime host_backend host_valueformat host_settings host_commonobject
  EXPORT LatticeObjectTargets
  RUNTIME DESTINATION bin
  ARCHIVE DESTINATION lib/host)

install(EXPORT LatticeObjectTargets
  NAMESPACE LatticeObject::
  DESTINATION lib/cmake/LatticeObject)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/LatticeObjectConfig.cmake.in
  ${CMAKE_BINARY_DIR}/LatticeObjectConfig.cmake
  INSTALL_DESTINATION lib/cmake/LatticeObject)
install(FILES ${CMAKE_BINARY_DIR}/LatticeObjectConfig.cmake DESTINATION lib/cmake/LatticeObject)
