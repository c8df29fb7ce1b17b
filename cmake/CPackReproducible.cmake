# Read by cpack before each package: every file in it carries the release
# date, unless the caller asks for another time.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} "${CPACK_HDDCALC_SOURCE_DATE_EPOCH}")
endif()
