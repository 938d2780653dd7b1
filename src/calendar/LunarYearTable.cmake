# Turns lunar-years.tsv into a C++ initializer list at configure time, so the
# table is compiled into the program and never read from disk while running.
# Each data row "year new_year_day new_year_date month_mask leap_month" becomes
#   {new_year_day, month_mask, leap_month},  // year
# Comment lines (#) and the column-name line are skipped. The rows must run
# without gaps from 1900 to 2050; anything else stops the configure step, since
# a silently shortened table would shift every lunar date after the gap.
function(cw_generate_lunar_year_table tsv output)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${tsv}")
  file(STRINGS "${tsv}" rows ENCODING UTF-8 REGEX "^[0-9]")

  set(expected_year 1900)
  set(body "")
  foreach(row IN LISTS rows)
    string(REPLACE "\t" ";" fields "${row}")
    list(LENGTH fields field_count)
    if(NOT field_count EQUAL 5)
      message(FATAL_ERROR "${tsv}: expected 5 tab-separated fields in '${row}'")
    endif()
    list(GET fields 0 year)
    list(GET fields 1 new_year_day)
    list(GET fields 3 month_mask)
    list(GET fields 4 leap_month)
    if(NOT year EQUAL expected_year)
      message(FATAL_ERROR "${tsv}: row for ${expected_year} expected, found ${year}")
    endif()
    if(NOT new_year_day MATCHES "^[0-9]+$" OR NOT month_mask MATCHES "^0x[0-9A-Fa-f]+$"
       OR NOT leap_month MATCHES "^[0-9]+$")
      message(FATAL_ERROR "${tsv}: malformed row '${row}'")
    endif()
    string(APPEND body "    {${new_year_day}, ${month_mask}, ${leap_month}},  // ${year}\n")
    math(EXPR expected_year "${expected_year} + 1")
  endforeach()
  if(NOT expected_year EQUAL 2051)
    message(FATAL_ERROR "${tsv}: rows end at ${expected_year}, expected 1900 to 2050")
  endif()

  # file(CONFIGURE) rewrites the file only when its content changes, so a
  # reconfigure does not force a rebuild of the table.
  file(CONFIGURE OUTPUT "${output}"
       CONTENT "// Generated from lunar-years.tsv by LunarYearTable.cmake; do not edit.\n${body}"
       @ONLY)
endfunction()
