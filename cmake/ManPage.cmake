# Writes the orvane(1) man page with help2man from the tool's own --help texts: the tool's
# help gives the synopsis, options and the list of commands; every command's help is added
# as a section of its own, so the page says everything --help says.
#   cmake -DORVANE=path/to/orvane -DHELP2MAN=help2man -DOUT=orvane.1 -DVERSION=1.0.0 -P ManPage.cmake

# Text as roff shows it literally: backslashes escaped, hyphens as hyphens, and no line
# taken for a request.
function(roff_literal var text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${var} "${text}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND ${ORVANE} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${ORVANE} --help failed: ${status}")
endif()

# The commands: the lines of the "Subcommands:" part of the help, "  name  description".
string(REGEX MATCH "Subcommands:\n(( +[^\n]*\n)+)" listing "${help}")
string(REGEX MATCHALL "\n  [a-z][a-z-]*" names "\n${CMAKE_MATCH_1}")
set(include "[COMMANDS]\nEach command has its own \\fB\\-\\-help\\fR, shown here.\n")
foreach(name IN LISTS names)
  string(STRIP "${name}" name)
  execute_process(COMMAND ${ORVANE} ${name} --help OUTPUT_VARIABLE text RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ORVANE} ${name} --help failed: ${status}")
  endif()
  roff_literal(text "${text}")
  string(APPEND include ".SS \"${name}\"\n.nf\n${text}.fi\n")
endforeach()
if(NOT names)
  message(FATAL_ERROR "no commands found in the help of ${ORVANE}")
endif()

string(APPEND include "
[FILES]
.TP
.I Orvane.mdb
The rules database beside the library (\\fIlib/Orvane.mdb\\fR of the installation), used
unless \\fB\\-\\-db\\fR names another.
.TP
.I Orvane \\- 1.log
The library's log of failures, beside the library, written when the configuration value
\"Logging\" is \"True\".

[ENVIRONMENT]
.TP
.B ORVANE_REGISTRY_DIR
The folder of the library's configuration store; else \\fB$XDG_CONFIG_HOME/orvane\\fR or
\\fB~/.config/orvane\\fR.

[SEE ALSO]
The references in the \\fIdocs\\fR folder of OrvaneLib (installed under
\\fIshare/doc/orvane\\fR): record kinds, encoded lists, record text files and configuration.
")

set(include_file ${OUT}.h2m)
file(WRITE ${include_file} "${include}")
execute_process(
  COMMAND ${HELP2MAN} --no-info --section=1 --source=OrvaneLib "--manual=OrvaneLib ${VERSION}"
          "--name=reads and maintains an Orvane rules database" --include=${include_file}
          --output=${OUT}.tmp ${ORVANE}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "help2man failed: ${status}")
endif()
file(RENAME ${OUT}.tmp ${OUT})
