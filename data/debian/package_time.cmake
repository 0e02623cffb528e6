# Read by cpack before it builds the package. CPack's DEB generator dates the ar members and every
# file and folder in control.tar and data.tar by SOURCE_DATE_EPOCH when it is set (and writes the
# gzip headers without a time), so the package takes the time of the commit it is built from, as
# reproducible builds do; a value the builder set wins. Outside a git checkout the date of the
# changelog's top entry stands in, as Debian's own tools take it.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C "${CPACK_BRACKWELL_SOURCE_DIR}" log -1 --format=%ct
    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(NOT epoch MATCHES "^[0-9]+$")
    execute_process(COMMAND dpkg-parsechangelog -l "${CPACK_BRACKWELL_SOURCE_DIR}/data/debian/changelog"
      -S Timestamp OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
  if(epoch MATCHES "^[0-9]+$")
    set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
  endif()
endif()
