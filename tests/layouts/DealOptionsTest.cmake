# Runs the program with --print-deal and no display: a pinned deal prints its record and
# band, and every number that is not one is refused on stderr with exit code 1 and nothing
# printed.
include(${CMAKE_CURRENT_LIST_DIR}/RunProgram.cmake)

run_program(--print-deal 12345)
set(expected "A?'.J579-?03--3/,9%,7A:.6F,7,*6<&4'&3#=00\"<%#G(I)B5(>@:+=8H/!\";2/+<9!A8&31296(\"*+>'(=&@8B1.4:.\"6+$*CAB14#)2!$7E@/*='>$-$D)!8@;:%5#)<;5%>2;B104??\tmedium\n")
if(NOT code EQUAL 0 OR NOT out STREQUAL expected)
  message(FATAL_ERROR "--print-deal 12345 ended with ${code} and printed '${out}' (${err})")
endif()
run_program(--layout open-plain --print-deal 7)
if(NOT code EQUAL 0 OR NOT out MATCHES "^[!-J]+\thard\n$")
  message(FATAL_ERROR "--print-deal 7 --layout open-plain ended with ${code} and printed '${out}' (${err})")
endif()

foreach(bad "0" "-1" "2147483648" "12abc" "" "1e3" "99999999999999999999")
  run_program(--print-deal "${bad}")
  if(NOT code EQUAL 1 OR NOT out STREQUAL "" OR NOT err MATCHES "deal number")
    message(FATAL_ERROR "--print-deal '${bad}' ended with '${code}', printed '${out}' and said '${err}'")
  endif()
endforeach()
run_program(--print-deal)
if(NOT code EQUAL 1 OR NOT err MATCHES "needs a deal number")
  message(FATAL_ERROR "--print-deal alone ended with '${code}' and said '${err}'")
endif()
run_program(--print-deal 5 --layout no-such-layout)
if(NOT code EQUAL 1 OR NOT err MATCHES "Unknown layout: no-such-layout")
  message(FATAL_ERROR "an unknown layout ended with '${code}' and said '${err}'")
endif()
