#include "parser/print_actions.h"

#include "emit/emit.h"
#include "parser/expression_actions.h"
#include "parser/literal_actions.h"
#include "parser/state.h"
#include "semantic/semantic.h"

std::string inputPrompt;

// --- Print, echo, input

// printStatement: "print" expression (comma expression)*
// writes: print_r(a);echo "\n" for a lone array, else echo a, " ", b, "\n"
void writePrintList()
{
    if (exprLevel == 0 && isArrayType(exprTypeAt(0))) {
        emitText("print_r(");
        emitString(exprText[0]);
        emitText(");echo \"\\n\"");
    } else {
        emitEcho(true);
        emitText(", \"\\n\"");
    }
}

// inputStatement: "input" (STRING_LITERAL comma)? lvalue
// writes: echo "prompt"; $fp=STDIN; target=rtrim(fgets($fp,65536)), in intVal()
// or floatval() for a number target; checks: input can fill the target (code 2)
void translateInput()
{
    int targetType = currentType;
    switch (targetType) {
    case typeBoolean: case typeNumber: case typeInteger: case typeReal: case typeNatural:
    case typeText: case typeBytePtr:
        break;
    default:
        reportError(Msg::semanticError);
    }
    // The target as the target rule wrote it (a PHP name leaves no code buffer).
    std::string target = currentExpression();
    if (target.empty())
        target = codeBuffer;
    if (!inputPrompt.empty()) {
        emitIndented("echo ");
        emitString(phpStringLiteral(inputPrompt));
        endStatement();
    }
    // Every input reads the one standard input stream: a stream opened and
    // closed per input would read ahead and drop the lines after the first.
    emitIndented("$fp=STDIN;");
    emitNewline();
    // A number target takes the line as a number: a text there would make
    // PHP 8 throw on arithmetic when the line is no number (or at the end
    // of the input).
    std::string line = "rtrim(fgets($fp,65536))";
    if (targetType == typeInteger || targetType == typeNatural)
        line = "intVal(" + line + ")";
    else if (targetType == typeReal || targetType == typeNumber)
        line = "floatval(" + line + ")";
    emitIndented(target + "=" + line);
}

// --- The steps of the print rules

// printStatement, echoStatement: expression ( comma expression )*
// writes: nothing yet; the value, null for a nil one, and its type are kept
void takePrintValue()
{
    fillNilValue(0);
    setExprType();
}

// printStatement: "print" alone
// writes: echo "\n"
void writeEmptyPrint()
{
    emitText("echo \"\\n\"");
    resetRvalues();
}
