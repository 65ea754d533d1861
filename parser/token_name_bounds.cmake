# The generated getTokenName tests only the upper end of the name table; a
# negative type would read before it. Adds the lower test to HEADER.
file(READ ${HEADER} text)
set(unchecked "if( type > getNumTokens() ) return 0;")
set(checked "if( type < 0 || type > getNumTokens() ) return 0;")
string(FIND "${text}" "${unchecked}" at)
if(at EQUAL -1)
    message(FATAL_ERROR "${HEADER}: getTokenName is not in the expected form")
endif()
string(REPLACE "${unchecked}" "${checked}" text "${text}")
file(WRITE ${HEADER} "${text}")
