# Runs `tavo eval` as a script would: cmake -DTAVO=path/to/tavo -DWORK=scratch-folder -P this file.
# Each case: arguments, exit status, standard output, standard error.

set(ENV{XDG_CONFIG_HOME} "${WORK}/config")
file(REMOVE_RECURSE "${WORK}/config")

function(expect_eval status out err)
  execute_process(COMMAND "${TAVO}" eval ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE error)
  if(NOT result STREQUAL status OR NOT output STREQUAL out OR NOT error STREQUAL err)
    message(SEND_ERROR "tavo eval ${ARGN}: exit ${result}, out [${output}], err [${error}]; "
                       "expected exit ${status}, out [${out}], err [${err}]")
  endif()
endfunction()

expect_eval(0 "6\n" "" "x*y" "a\\x=2" "y=3")
expect_eval(0 "0.10000000000000001\n" "" "0,1")
expect_eval(0 "1\n" "32\t'z' nicht definiert\n" "z + 1")
expect_eval(0 "-25\n" "" -- "-5^2")
expect_eval(1 "" "64\tDivision durch Null.\n" "1/0")
expect_eval(1 "" "4\tFehler in sqrt\n" "sqrt(x)" "x=-1.5e0")
expect_eval(2 "" "tavo eval: not NAME=VALUE with a number VALUE: x=1,5\n" "x" "x=1,5")
expect_eval(0 "1.5707963267948966\n" "" "asin(1)")

# The angle unit comes from the settings store: degrees.
file(WRITE "${WORK}/config/QOR/vantorplan.conf" "[General]\nangleUnit=1\n")
expect_eval(0 "90\n" "" "asin(1)")

# Numbers keep the point under a German locale.
set(ENV{LC_ALL} "de_DE.UTF-8")
set(ENV{LANG} "de_DE.UTF-8")
expect_eval(0 "3.75\n" "" "x*2,5" "x=1.5")
