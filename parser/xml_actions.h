// XML literal statements: the element heads, attributes, contents and
// closing tags of one literal.
#pragma once

#include <cstddef>
#include <string>

// A literal begins with its scope (beginXmlLiteral); the names of the
// elements it leaves open (after a syntax error) do not outlive its statement.
class XmlLiteralScope {
public:
    XmlLiteralScope();
    ~XmlLiteralScope();
    XmlLiteralScope(const XmlLiteralScope&) = delete;
    XmlLiteralScope& operator=(const XmlLiteralScope&) = delete;

private:
    std::size_t openNames;
};

void beginXmlLiteral();
// The XOPEN token ("<name"): the outermost element declares its variable.
void xmlElementHead(const std::string& token);
// One attribute with its literal value token of the given type.
void xmlAttributeEntry(const std::string& name, const std::string& token, int type);
void xmlAttributeLineEnd();
// The literal literalValue left in currentIdentifier and currentType.
void xmlContentLiteral();
void xmlContentTemplate(const std::string& token);
// The XCLOSE token ("</name>"), before its line end.
void xmlElementClose(const std::string& token);
