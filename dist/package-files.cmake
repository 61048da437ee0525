# CPack runs this on the staged package, before it packs it (CPACK_PRE_BUILD_SCRIPTS).

# The man pages name the data folder of the prefix the build was configured for.
if(NOT CPACK_VERMORA_PREFIX STREQUAL CPACK_PACKAGING_INSTALL_PREFIX)
  message(FATAL_ERROR "the build is configured for ${CPACK_VERMORA_PREFIX} and the package "
          "installs to ${CPACK_PACKAGING_INSTALL_PREFIX}: configure the build with "
          "-DCMAKE_INSTALL_PREFIX=${CPACK_PACKAGING_INSTALL_PREFIX}")
endif()

# Stripping leaves the compilers' notes in .comment; Debian's packages drop them.
file(GLOB programs "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/bin/*")
foreach(program IN LISTS programs)
  execute_process(COMMAND "${CPACK_VERMORA_OBJCOPY}" --remove-section=.comment "${program}"
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
