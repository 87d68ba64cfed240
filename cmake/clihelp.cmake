# Turns the help texts docs/cli/*.txt into the --help texts compiled into vandrell-cli
# (OUT_CPP) and into its man page (OUT_MAN), so that both say the same.
#   cmake -DDIR=docs/cli -DOUT_CPP=clihelp_texts.cpp -DOUT_MAN=vandrell-cli.1 -DVERSION=1.0.0 -P clihelp.cmake
# vandrell-cli.txt is the overview; every other NAME.txt is the help of the command NAME,
# its first line the synopsis.
file(GLOB files ${DIR}/*.txt)
list(SORT files)

function(read_text file result)
  file(READ ${file} text)
  string(REPLACE "\r" "" text "${text}")
  string(REGEX REPLACE "\n+$" "" text "${text}")
  set(${result} "${text}" PARENT_SCOPE)
endfunction()

function(c_literal text result)
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "\"" "\\\"" text "${text}")
  string(REPLACE "\t" "\\t" text "${text}")
  string(REPLACE "\n" "\\n\"\n    \"" text "${text}")
  set(${result} "\"${text}\\n\"" PARENT_SCOPE)
endfunction()

# Plain text for roff: backslashes, hyphens and quotes kept as typed (a macro's arguments
# would lose their quotes), no line read as a request.
function(roff_text text result)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "\"" "\\(dq" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${result} "${text}" PARENT_SCOPE)
endfunction()

# The first line and what follows the blank line after it.
function(split_synopsis text synopsis body)
  string(FIND "${text}" "\n" eol)
  if(eol EQUAL -1)
    set(${synopsis} "${text}" PARENT_SCOPE)
    set(${body} "" PARENT_SCOPE)
    return()
  endif()
  string(SUBSTRING "${text}" 0 ${eol} first)
  math(EXPR rest_at "${eol} + 1")
  string(SUBSTRING "${text}" ${rest_at} -1 rest)
  string(REGEX REPLACE "^\n+" "" rest "${rest}")
  set(${synopsis} "${first}" PARENT_SCOPE)
  set(${body} "${rest}" PARENT_SCOPE)
endfunction()

set(entries "")
set(commands "")
set(overview "")
foreach(file ${files})
  get_filename_component(name ${file} NAME_WE)
  read_text(${file} text)
  c_literal("${text}" literal)
  string(APPEND entries "    {\"${name}\",\n    ${literal}},\n")
  split_synopsis("${text}" synopsis body)
  roff_text("${synopsis}" synopsis)
  roff_text("${body}" body)
  if(name STREQUAL "vandrell-cli")
    set(overview ".SH SYNOPSIS\n.B ${synopsis}\n.SH DESCRIPTION\n.nf\n${body}\n.fi\n")
  else()
    string(APPEND commands ".SS ${name}\n.B ${synopsis}\n.PP\n.nf\n${body}\n.fi\n")
  endif()
endforeach()
if(overview STREQUAL "")
  message(FATAL_ERROR "${DIR}/vandrell-cli.txt is missing")
endif()

set(cpp "// Made by cmake/clihelp.cmake from docs/cli/*.txt: edit those files.\n")
string(APPEND cpp "#include \"clihelp.h\"\n\nnamespace cli {\n\n")
string(APPEND cpp "const std::vector<HelpText>& HelpTexts() {\n  static const std::vector<HelpText> texts = {\n")
string(APPEND cpp "${entries}  };\n  return texts;\n}\n\n}  // namespace cli\n")

set(man ".TH VANDRELL\\-CLI 1 \"\" \"Vandrell ${VERSION}\" \"User Commands\"\n")
string(APPEND man ".SH NAME\nvandrell\\-cli \\- wing ribs from airfoil files, without a window\n")
string(APPEND man "${overview}.SH COMMANDS\n${commands}")

# Written only when changed, so that an unchanged text rebuilds nothing.
foreach(out OUT_CPP OUT_MAN)
  string(TOLOWER ${out} var)
  string(REPLACE "out_" "" var ${var})
  file(WRITE ${${out}}.new "${${var}}")
  file(COPY_FILE ${${out}}.new ${${out}} ONLY_IF_DIFFERENT)
  file(REMOVE ${${out}}.new)
endforeach()
