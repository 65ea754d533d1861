#include "parser/state.h"

unsigned char silentCall = 0;
std::string rawText;
int staticAccess = 0;
std::string qualifiedClassName;
int inConstructor = 0;
long long enumCounter = 0;
Msg operatorWord = Msg::unknownError;
int whileStepCount = 0;
int forKeyValue = 0;
int rangeDescending = 0;
int stepNegative = 0;
std::string rangeStart;
std::string rangeEnd;
std::string rangeStep;
int rangeStartValue = 0;
int rangeEndValue = 0;
int initializerTargetType = 0;

unsigned char xmlOutermost = 0;
unsigned char xmlItemWritten = 0;
unsigned char xmlChildWritten = 0;
unsigned char& xmlTopLevel = xmlOutermost;
unsigned char& xmlAttributeWritten = xmlItemWritten;
unsigned char& xmlElementClosed = xmlChildWritten;
