#include "parser/reset.h"

#include "parser/class_actions.h"
#include "parser/declaration_actions.h"
#include "parser/expression_actions.h"
#include "parser/function_actions.h"
#include "parser/head_actions.h"
#include "parser/literal_actions.h"
#include "parser/nesting.h"
#include "parser/print_actions.h"
#include "parser/state.h"
#include "parser/statement_actions.h"

void resetParserRun()
{
    rawText.clear();
    staticAccess = 0;
    qualifiedClassName.clear();
    enumCounter = 0;
    operatorWord = Msg::unknownError;
    whileStepCount = 0;
    forKeyValue = 0;
    rangeDescending = 0;
    stepNegative = 0;
    rangeStart.clear();
    rangeEnd.clear();
    rangeStep.clear();
    rangeStartValue = 0;
    rangeEndValue = 0;
    initializerTargetType = 0;
    xmlOutermost = 0;
    xmlItemWritten = 0;
    xmlChildWritten = 0;
    declaredType = 0;
    namedTypeFlag = 0;
    declarationKind = 0;
    errorCatchingDeclaration = 0;
    inputPrompt.clear();
    headerOneLine = false;
    segmentSteps = 0;
    objectConversion = 0;
    resetParserFile();
}

void resetParserFile()
{
    resetClassState();
    resetFunctionState();
    forgetExternClasses();
    forgetPhpBlocks();
    silentCall = 0;
    bitwiseOperand = 0;
    expressionNesting = 0;
    expressionOperators = 0;
    modifierText.clear();
    resetSkipState();
}
