# The program's version is project()'s in CMakeLists.txt and nowhere else:
# the version resource and the manifest are written from it into the build
# folder (FORTUVA_GENERATED_DIR), as
#   PROJECT_VERSION         1.23      what the about panel shows
#   FORTUVA_VERSION_QUAD    1.23.0.0  the four-part form Windows reads
#   FORTUVA_VERSION_COMMAS  1,23,0,0  the same for VERSIONINFO's numbers
set(_fortuva_parts)
foreach(part MAJOR MINOR PATCH TWEAK)
    if("${PROJECT_VERSION_${part}}" STREQUAL "")
        list(APPEND _fortuva_parts 0)
    else()
        list(APPEND _fortuva_parts ${PROJECT_VERSION_${part}})
    endif()
endforeach()
list(JOIN _fortuva_parts "." FORTUVA_VERSION_QUAD)
list(JOIN _fortuva_parts "," FORTUVA_VERSION_COMMAS)

set(FORTUVA_GENERATED_DIR ${CMAKE_BINARY_DIR}/resources)
configure_file(resources/version.rc.in ${FORTUVA_GENERATED_DIR}/version.rc @ONLY)
configure_file(resources/Fortuva.manifest.in ${FORTUVA_GENERATED_DIR}/Fortuva.manifest @ONLY)
