// Process-wide state that only the parser's actions read. What the model
// reads too lives in emit/state.h. Plain C++: no ANTLR here.
#pragma once

#include <string>

#include "emit/state.h"
#include "semantic/messages.h"

extern unsigned char silentCall;      // the next call is written with "@"
extern std::string rawText;           // last native-code block or interpolated template
extern int staticAccess;              // the current reference segment names a class
extern std::string qualifiedClassName;
extern int inConstructor;
extern long long enumCounter;   // next counted enumeration value
// The message word of the product operator just read: wordMultiply,
// wordDivide or wordModulo.
extern Msg operatorWord;
extern int whileStepCount;
extern int forKeyValue;
extern int rangeDescending;
extern int stepNegative;
extern std::string rangeStart;
extern std::string rangeEnd;
extern std::string rangeStep;
extern int rangeStartValue;
extern int rangeEndValue;
extern int initializerTargetType;     // type of the target the next value goes to

// XML literal flags; each has a second name, one variable behind both.
extern unsigned char xmlOutermost;
extern unsigned char xmlItemWritten;
extern unsigned char xmlChildWritten;
extern unsigned char& xmlTopLevel;          // xmlOutermost
extern unsigned char& xmlAttributeWritten;  // xmlItemWritten
extern unsigned char& xmlElementClosed;     // xmlChildWritten
