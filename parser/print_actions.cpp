#include "parser/print_actions.h"

#include "emit/emit.h"
#include "parser/literal_actions.h"
#include "parser/state.h"
#include "semantic/semantic.h"

std::string inputPrompt;

// --- Print, echo, input

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
