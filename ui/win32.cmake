# The Windows program: the Win32 binding (camwin), the resources (camres)
# and camsetup.exe. Included by ui/CMakeLists.txt in the Windows build.
enable_language(RC)

# Resources: the four dialog templates, logo, icons, version and manifest.
set(CAMSETUP_RESOURCE_DIR ${PROJECT_SOURCE_DIR}/resources)
add_library(camres OBJECT ${CAMSETUP_RESOURCE_DIR}/camsetup.rc)
target_include_directories(camres PRIVATE ${CAMSETUP_RESOURCE_DIR})
file(GLOB CAMSETUP_RESOURCE_FILES CONFIGURE_DEPENDS
  ${CAMSETUP_RESOURCE_DIR}/*.rc ${CAMSETUP_RESOURCE_DIR}/*.ico ${CAMSETUP_RESOURCE_DIR}/*.bmp
  ${CAMSETUP_RESOURCE_DIR}/*.manifest)
set_source_files_properties(${CAMSETUP_RESOURCE_DIR}/camsetup.rc PROPERTIES
  OBJECT_DEPENDS "${CAMSETUP_RESOURCE_FILES}")

# Small and self-contained: size-optimised, unused sections dropped, symbols
# stripped; the toolchain links the run-time libraries statically.
set(CAMSETUP_WIN_COMPILE_OPTIONS -Os -ffunction-sections -fdata-sections)
set(CAMSETUP_WIN_LINK_OPTIONS -s -Wl,--gc-sections)

# The binding: ControlSurface over dialogs, the host, the Platform.
add_library(camwin STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/dialog_surface_win.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/platform_win.cpp
)
target_compile_options(camwin PRIVATE ${CAMSETUP_WIN_COMPILE_OPTIONS})
target_compile_definitions(camwin PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(camwin PUBLIC comctl32 shell32 gdi32 ole32)

# The program needs the portable screens (camui); until they exist only the
# binding and the resources are built.
if(TARGET camui)
  add_executable(camsetup WIN32 ${CMAKE_CURRENT_SOURCE_DIR}/winmain_win.cpp)
  target_compile_options(camsetup PRIVATE ${CAMSETUP_WIN_COMPILE_OPTIONS})
  target_link_options(camsetup PRIVATE ${CAMSETUP_WIN_LINK_OPTIONS})
  target_link_libraries(camsetup PRIVATE camres camwin camui camdata camfiles
    comctl32 shell32 gdi32 ole32)
else()
  message(STATUS "camsetup.exe not built: the portable screens (camui) are missing")
endif()
