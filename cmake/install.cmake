# Installation: the shared library with its SONAME links, every public header under
# include/QIRAPropCalculator, a CMake package (find_package(QIRAPropCalculator) gives the
# imported target QIRAPropCalculator::QIRAPropCalculator) and a pkg-config file.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(QIRA_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/QIRAPropCalculator)
set(QIRA_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/QIRAPropCalculator)

target_include_directories(QIRAPropCalculator PUBLIC
  $<INSTALL_INTERFACE:${QIRA_INSTALL_INCLUDEDIR}>)

install(TARGETS QIRAPropCalculator EXPORT QIRAPropCalculatorTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/include/
  DESTINATION ${QIRA_INSTALL_INCLUDEDIR}
  FILES_MATCHING PATTERN "*.h")
install(EXPORT QIRAPropCalculatorTargets
  NAMESPACE QIRAPropCalculator::
  DESTINATION ${QIRA_INSTALL_CMAKEDIR})

configure_package_config_file(
  ${CMAKE_CURRENT_SOURCE_DIR}/cmake/QIRAPropCalculatorConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/QIRAPropCalculatorConfig.cmake
  INSTALL_DESTINATION ${QIRA_INSTALL_CMAKEDIR})
write_basic_package_version_file(
  ${CMAKE_CURRENT_BINARY_DIR}/QIRAPropCalculatorConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/QIRAPropCalculatorConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/QIRAPropCalculatorConfigVersion.cmake
  DESTINATION ${QIRA_INSTALL_CMAKEDIR})

# The pkg-config file is written at install time so that it names the prefix actually
# used (cmake --install --prefix ...).
install(CODE "
  set(CMAKE_INSTALL_PREFIX \"\${CMAKE_INSTALL_PREFIX}\")
  set(CMAKE_INSTALL_LIBDIR \"${CMAKE_INSTALL_LIBDIR}\")
  set(CMAKE_INSTALL_INCLUDEDIR \"${CMAKE_INSTALL_INCLUDEDIR}\")
  set(PROJECT_VERSION \"${PROJECT_VERSION}\")
  configure_file(\"${CMAKE_CURRENT_SOURCE_DIR}/cmake/QIRAPropCalculator.pc.in\"
    \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig/QIRAPropCalculator.pc\" @ONLY)
")

# Windows: the module-definition file of the C exports, for MSVC's lib /def:.
if(WIN32)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/QIRAPropCalculator.def
    DESTINATION ${CMAKE_INSTALL_LIBDIR})
endif()
