# Rewrites each token-set test of the generated parser SOURCE,
# `_tokenSet_N.member(x)`, into `tokenSetMember(_tokenSet_N_data_, W, x)`
# (parser/token_set.h), W being the set's length in words as its BitSet is
# constructed with. The BitSet objects stay for the runtime's own uses.
file(READ ${SOURCE} text)
set(include_line "#include \"VelandroParser.hpp\"\n")
string(FIND "${text}" "${include_line}" at)
if(at EQUAL -1)
    message(FATAL_ERROR "${SOURCE}: no include of VelandroParser.hpp to add token_set.h after")
endif()
string(REPLACE "${include_line}" "${include_line}#include \"parser/token_set.h\"\n" text "${text}")

string(REGEX MATCHALL "BitSet VelandroParser::_tokenSet_[0-9]+\\(_tokenSet_[0-9]+_data_,[0-9]+\\)"
       constructions "${text}")
if(NOT constructions)
    message(FATAL_ERROR "${SOURCE}: no token sets found in the expected form")
endif()
foreach(construction IN LISTS constructions)
    string(REGEX REPLACE ".*::_tokenSet_([0-9]+)\\(_tokenSet_([0-9]+)_data_,([0-9]+)\\)" "\\1;\\2;\\3"
           parts "${construction}")
    list(GET parts 0 set)
    list(GET parts 1 data)
    list(GET parts 2 words)
    if(NOT set STREQUAL data)
        message(FATAL_ERROR "${SOURCE}: _tokenSet_${set} is built from the data of set ${data}")
    endif()
    # "_tokenSet_1.member(" is no part of "_tokenSet_12.member(".
    string(REPLACE "_tokenSet_${set}.member(" "tokenSetMember(_tokenSet_${set}_data_, ${words}, "
           text "${text}")
endforeach()

string(REGEX MATCH "_tokenSet_[0-9]+\\.member\\(" left "${text}")
if(left)
    message(FATAL_ERROR "${SOURCE}: ${left} left: a token set without its length")
endif()
file(WRITE ${SOURCE} "${text}")
