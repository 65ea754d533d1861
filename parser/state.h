// Process-wide state owned by the parser's actions that the semantic model
// and the emitters also read. Plain C++: no ANTLR here.
#pragma once
