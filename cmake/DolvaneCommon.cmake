# Settings shared by every directory of the build.

option(DOLVANE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(DOLVANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# Warnings as errors on our own targets only; third-party code keeps its own flags.
function(dolvane_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

if(WIN32)
  # Static, self-contained i386 executables: no libstdc++/libgcc/winpthread DLLs.
  add_link_options(-static -static-libgcc -static-libstdc++)
  # Wine prefix private to this build tree; created once at build time so that
  # test discovery and parallel tests never race to create it, and made again
  # when the scripts that make it change.
  set(DOLVANE_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE @ONLY)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
  add_custom_command(
    OUTPUT ${DOLVANE_WINEPREFIX}/system.reg
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/make-wineprefix.sh ${CMAKE_BINARY_DIR}/wine-run.sh ${DOLVANE_WINEPREFIX}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/make-wineprefix.sh ${CMAKE_CURRENT_LIST_DIR}/wineserver-settle.sh
            ${CMAKE_BINARY_DIR}/wine-run.sh
    COMMENT "Creating the Wine prefix for the Windows tests"
    VERBATIM)
  add_custom_target(wineprefix ALL DEPENDS ${DOLVANE_WINEPREFIX}/system.reg)
endif()
