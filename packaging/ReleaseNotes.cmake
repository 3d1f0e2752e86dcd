# SPDX-License-Identifier: GPL-3.0-or-later
# Reads debian/changelog, where each released version says what changed for a player, into the
# AppStream metadata's releases and the manual page's date, so that neither repeats a version.

# mirvalon_release_notes(CHANGELOG RELEASES_XML MONTH VERSION): RELEASES_XML receives one
# <release> per entry, newest first; MONTH the newest entry's month ("December 2026"); VERSION
# its version.
function(mirvalon_release_notes changelog out_releases out_month out_version)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  set(month_names January February March April May June July August September October
      November December)
  file(READ ${changelog} text)
  # One list element a line; a semicolon or bracket in the text must not split or join them.
  string(REPLACE ";" "@semicolon@" text "${text}")
  string(REPLACE "[" "@open@" text "${text}")
  string(REPLACE "]" "@close@" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")

  set(releases "")
  set(newest_month "")
  set(newest_version "")
  set(version "")
  set(items "")
  set(item "")
  foreach(line IN LISTS lines)
    string(REPLACE "@semicolon@" ";" line "${line}")
    string(REPLACE "@open@" "[" line "${line}")
    string(REPLACE "@close@" "]" line "${line}")
    string(REPLACE "&" "&amp;" line "${line}")
    string(REPLACE "<" "&lt;" line "${line}")
    string(REPLACE ">" "&gt;" line "${line}")
    if(line MATCHES "^mirvalon \\(([^)]+)\\) ")
      set(version ${CMAKE_MATCH_1})
      set(items "")
      set(item "")
    elseif(line MATCHES "^  \\* (.*)$")
      if(item)
        string(APPEND items "          <li>${item}</li>\n")
      endif()
      set(item "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^    +(.*)$" AND item)
      string(APPEND item " ${CMAKE_MATCH_1}")
    elseif(line MATCHES "^ -- .*  [A-Z][a-z][a-z], 0?([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
      set(day ${CMAKE_MATCH_1})
      set(year ${CMAKE_MATCH_3})
      list(FIND months ${CMAKE_MATCH_2} month)
      if(NOT version OR month LESS 0 OR NOT item)
        message(FATAL_ERROR "${changelog}: an entry without version, date or change: ${line}")
      endif()
      string(APPEND items "          <li>${item}</li>\n")
      math(EXPR month_number "${month} + 1")
      if(month_number LESS 10)
        set(month_number "0${month_number}")
      endif()
      if(day LESS 10)
        set(day "0${day}")
      endif()
      string(APPEND releases
        "    <release version=\"${version}\" date=\"${year}-${month_number}-${day}\">\n"
        "      <description>\n"
        "        <ul>\n"
        "${items}"
        "        </ul>\n"
        "      </description>\n"
        "    </release>\n")
      if(NOT newest_version)
        set(newest_version ${version})
        list(GET month_names ${month} name)
        set(newest_month "${name} ${year}")
      endif()
      set(version "")
      set(item "")
    endif()
  endforeach()
  if(NOT newest_version)
    message(FATAL_ERROR "${changelog} holds no complete entry")
  endif()
  set(${out_releases} "${releases}" PARENT_SCOPE)
  set(${out_month} "${newest_month}" PARENT_SCOPE)
  set(${out_version} "${newest_version}" PARENT_SCOPE)
endfunction()
