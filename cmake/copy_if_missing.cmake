# cmake -DSOURCE=file -DDESTINATION=file -P copy_if_missing.cmake
# Copies SOURCE to DESTINATION only when DESTINATION does not exist, so a file the user has
# changed there is never replaced by a build.
if(NOT DEFINED SOURCE OR NOT DEFINED DESTINATION)
    message(FATAL_ERROR "copy_if_missing.cmake needs SOURCE and DESTINATION")
endif()
if(NOT EXISTS "${DESTINATION}")
    cmake_path(GET DESTINATION PARENT_PATH destination_folder)
    file(MAKE_DIRECTORY "${destination_folder}")
    file(COPY_FILE "${SOURCE}" "${DESTINATION}")
endif()
