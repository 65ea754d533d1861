#include "parser/xml_actions.h"

#include "emit/emit.h"
#include "emit/enumerations.h"
#include "emit/xml.h"
#include "parser/file_actions.h"
#include "parser/literal_actions.h"
#include "parser/state.h"
#include "semantic/php_names.h"
#include "semantic/semantic.h"

// xmlStatement: held for the whole literal, which it begins, so that a
// broken one leaves no tag names on the name stack
XmlLiteralScope::XmlLiteralScope() : openNames(stringStack.size())
{
    beginXmlLiteral();
}

XmlLiteralScope::~XmlLiteralScope()
{
    if (stringStack.size() > openNames)
        stringStack.resize(openNames);
}

namespace {
// A literal's PHP text, as the literal is written in an expression.
std::string literalText(const std::string& text, int type)
{
    if (type == typeReal)
        return phpRealText(text);
    if (type == typeText)
        return phpStringLiteral(text);
    return phpIntegerText(text);
}
}

// xmlStatement: xmlDeclaration (before the outermost element)
// writes nothing; clears the expression levels and the open-element state
void beginXmlLiteral()
{
    resetExpressions();
    xmlTopLevel = 1;
    xmlElementClosed = 0;
    xmlAttributeWritten = 0;
    xmlBeginLiteral();
}

// xmlDeclaration: XOPEN (xmlAttribute | EOL)* ">"
// writes: $tag=[ for the outermost element (declaring $tag a dict), "tag"=>[ inside
// checks: the outermost tag is no variable PHP keeps ("already declared in builtins")
void xmlElementHead(const std::string& token)
{
    std::string name = token.substr(1);
    pushString(name);
    if (xmlTopLevel) {
        // PHP keeps $this and $GLOBALS: the literal is then no assignment
        bool reserved = isPhpReservedVariableName(name);
        currentType = typeDict;
        currentIdentifier = name;
        setCodeBuffer(name);
        // the tag's variable is an ordinary one, whatever the last lookup left
        currentKind = kindDeclaration;
        staticModifier = 0;
        currentClassIndex = noClassIndex;
        if (reserved)
            reportAlreadyDeclaredIn(Msg::scopeBuiltins);
        else
            declareVariable(symbolAssigned);
        xmlWriteHead(name, true, !reserved);
    } else {
        xmlWriteHead(name, false, true);
    }
    xmlElementClosed = 0;
    xmlAttributeWritten = 0;
    xmlTopLevel = 0;
}

// xmlAttribute: ID "=" (REAL_LITERAL | INTEGER | STRING_LITERAL)
// writes: "name"=>value, after a "," when the element has entries already
void xmlAttributeEntry(const std::string& name, const std::string& token, int type)
{
    xmlAttributeWritten = 1;
    xmlWriteAttribute(name, literalText(token, type));
}

// xmlDeclaration: XOPEN (xmlAttribute | EOL)*, the EOL between attributes
// writes: a line end and " ", and counts the line
void xmlAttributeLineEnd()
{
    ++lineNumber;
    emitNewlineOnce();
    xmlWriteAttributeBreak();
}

// xmlDeclaration: ">" (literalValue | ...)* XCLOSE, a literal content
// writes: "data"=>value for the first content, the value alone after it
void xmlContentLiteral()
{
    xmlWriteContent(literalText(currentIdentifier, currentType));
}

// xmlDeclaration: ">" (TEMPLATE | ...)* XCLOSE, a template content
// writes: "data"=>"text" as the template's PHP string; checks: it is closed
void xmlContentTemplate(const std::string& token)
{
    if (templateClosed(token))
        xmlWriteContent(phpTemplateText(token));
    else
        syntaxError();
    lineNumber += countLineEnds(token);
}

// xmlDeclaration: ... XCLOSE EOL
// writes: ]; checks: the closing tag names the open one (code 90)
// Reported on the closing tag's own line; its line end is counted after.
void xmlElementClose(const std::string& token)
{
    emitNewlineOnce();
    std::string name = token.size() >= 3 ? token.substr(2, token.size() - 3) : "";
    std::string open = popString();
    if (name != open)
        reportError(Msg::unbalancedXmlTag);
    emitNewlineOnce();
    xmlWriteClose();
    xmlElementClosed = 1;
}
