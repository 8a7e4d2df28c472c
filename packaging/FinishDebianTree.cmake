# Run by CPack once the files to package are staged: adds what Debian asks of a
# binary package to the Debian tree, and leaves the other packages alone.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()

file(GLOB_RECURSE ml_staged_man LIST_DIRECTORIES false
    "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/man/*.[1-9]")
if(NOT ml_staged_man)
    message(FATAL_ERROR "No man page staged under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
list(GET ml_staged_man 0 ml_first)
string(REGEX REPLACE "/share/man/.*" "" ml_prefix "${ml_first}")
set(ml_doc "${ml_prefix}/share/doc/${CPACK_PACKAGE_NAME}")

# gzip -n -9: no name or time stamp in the header, so the package is reproducible.
function(ml_gzip source target)
    execute_process(COMMAND gzip -n -9 -c "${source}" OUTPUT_FILE "${target}"
        RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "gzip ${source} failed")
    endif()
    file(CHMOD "${target}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endfunction()

foreach(page IN LISTS ml_staged_man)
    ml_gzip("${page}" "${page}.gz")
    file(REMOVE "${page}")
endforeach()

file(MAKE_DIRECTORY "${ml_doc}")
file(COPY "${CPACK_MARLUNE_DEBIAN_DIR}/copyright" DESTINATION "${ml_doc}"
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
ml_gzip("${CPACK_MARLUNE_DEBIAN_DIR}/changelog" "${ml_doc}/changelog.Debian.gz")
