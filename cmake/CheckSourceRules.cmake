# Two rules of the source tree that the compiler cannot see:
#
#  - Layers include only downwards: platform, dictionary, document, engine,
#    app/commands, app, cli, each may include its own and the ones before it.
#    The drawing program (penvik) stands on platform, dictionary and
#    document; the installer (setup) on platform only.
#  - Names in the code are English. Danish belongs in the texts users see
#    and in the keys of the files, so identifiers (outside comments, string
#    and character literals) must not hold these Danish word stems.
#
# cmake -DROOT=<source dir> -P CheckSourceRules.cmake
cmake_minimum_required(VERSION 3.25)

set(layers platform dictionary document engine app/commands app cli)
set(danish_stems simpelarr ordbog etord vejstop vejliste kpoint retning skabelon gemmested
    sprog tvang kryds ledeord bogstav fravej hovsa typisk)
list(JOIN danish_stems "|" stem_alternatives)

# The layer a path below ROOT belongs to: its longest matching prefix.
function(layer_of path out)
  set(found "")
  foreach(candidate ${layers} penvik setup)
    if(path MATCHES "^${candidate}/")
      string(LENGTH "${candidate}" n)
      string(LENGTH "${found}" m)
      if(n GREATER m)
        set(found ${candidate})
      endif()
    endif()
  endforeach()
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

function(allowed_layers layer out)
  if(layer STREQUAL "penvik")
    set(${out} platform dictionary document penvik PARENT_SCOPE)
  elseif(layer STREQUAL "setup")
    set(${out} platform setup PARENT_SCOPE)
  else()
    list(FIND layers ${layer} rank)
    list(SUBLIST layers 0 ${rank} below)
    set(${out} ${below} ${layer} PARENT_SCOPE)
  endif()
endfunction()

# Comments, raw strings, strings and character literals, leftmost first, so
# a "//" inside a string is not taken for a comment.
set(literal "R\"\\(([^)]|\\)[^\"])*\\)\"|//[^\n]*|/\\*([^*]|\\*+[^*/])*\\*+/|\"([^\"\\\\\n]|\\\\.)*\"|'([^'\\\\\n]|\\\\.)*'")

# Adds to `problems` the identifiers of file `f` that hold Danish words.
function(check_names f)
  file(READ ${ROOT}/${f} text)
  string(REGEX REPLACE "${literal}" " " code "${text}")
  string(REGEX MATCHALL "(^|[^A-Za-z0-9_])(Hen|Ned)([^A-Za-z0-9_]|$)" directions "${code}")
  string(TOLOWER "${code}" lower)
  string(REGEX MATCHALL "[a-z0-9_]*(${stem_alternatives})[a-z0-9_]*" names "${lower}")
  list(APPEND names ${directions})
  if(names)
    list(REMOVE_DUPLICATES names)
    string(REGEX REPLACE "[^A-Za-z0-9_;]" "" names "${names}")
    set(problems "${problems}${f}: Danish words in names: ${names}\n" PARENT_SCOPE)
  endif()
endfunction()

set(problems "")
foreach(dir ${layers} penvik setup)
  file(GLOB_RECURSE files RELATIVE ${ROOT} ${ROOT}/${dir}/*.h ${ROOT}/${dir}/*.cpp)
  foreach(f ${files})
    layer_of(${f} layer)
    if(NOT layer STREQUAL dir)
      continue()  # app/commands files are visited as their own layer
    endif()
    allowed_layers(${layer} allowed)
    file(STRINGS ${ROOT}/${f} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line ${includes})
      string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*" "\\1" header "${line}")
      layer_of(${header} target)
      if(target AND NOT target IN_LIST allowed)
        string(APPEND problems "${f}: includes ${header} from a layer above it\n")
      endif()
    endforeach()

    check_names(${f})
  endforeach()
endforeach()

# Tests, tools and benchmarks have no layer, but their names are code too.
foreach(dir tests tools bench)
  file(GLOB_RECURSE files RELATIVE ${ROOT} ${ROOT}/${dir}/*.h ${ROOT}/${dir}/*.cpp)
  foreach(f ${files})
    check_names(${f})
  endforeach()
endforeach()

if(problems)
  message(FATAL_ERROR "${problems}")
endif()
message(STATUS "layers include downwards only; names are English")
