# Fails when the vocabulary the parser grammar exported (GENERATED) differs
# from the lexer's (EXPECTED). The first line of each names its grammar.
file(STRINGS ${GENERATED} generated)
file(STRINGS ${EXPECTED} expected)
list(REMOVE_AT generated 0)
list(REMOVE_AT expected 0)
if(NOT generated STREQUAL expected)
    message(FATAL_ERROR "VelandroParser.g exports a vocabulary that differs from the lexer's "
                        "(${GENERATED} against ${EXPECTED}): it names a token the lexer lacks.")
endif()
