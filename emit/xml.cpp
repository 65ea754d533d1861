#include "emit/xml.h"

#include <vector>

#include "emit/output.h"

namespace {
struct OpenElement {
    bool hasEntry = false;     // an attribute, a content or an element
    bool hasContent = false;   // the "data" key is taken
};
std::vector<OpenElement> openElements;

// The separator before an entry of the innermost element that is not an
// attribute, which goes on its own line.
void separateEntry()
{
    if (openElements.empty())
        return;
    if (openElements.back().hasEntry)
        emitText(",\n");
    openElements.back().hasEntry = true;
}
}

void xmlBeginLiteral()
{
    openElements.clear();
}

void xmlWriteHead(const std::string& name, bool outermost, bool assignable)
{
    separateEntry();
    if (outermost)
        emitText(assignable ? "$" + name + "=[" : std::string("["));
    else
        emitText("\"" + name + "\"=>[");
    openElements.emplace_back();
}

void xmlWriteAttribute(const std::string& name, const std::string& value)
{
    if (!openElements.empty()) {
        if (openElements.back().hasEntry)
            emitText(",");
        openElements.back().hasEntry = true;
    }
    emitText("\"" + name + "\"=>" + value);
}

void xmlWriteAttributeBreak()
{
    emitText(" ");
}

void xmlWriteContent(const std::string& value)
{
    separateEntry();
    if (!openElements.empty() && !openElements.back().hasContent) {
        openElements.back().hasContent = true;
        emitText("\"data\"=>");
    }
    emitText(value);
}

void xmlWriteClose()
{
    emitText("]");
    if (!openElements.empty())
        openElements.pop_back();
}

int xmlOpenDepth()
{
    return static_cast<int>(openElements.size());
}

void xmlCloseOpenElements()
{
    while (!openElements.empty())
        xmlWriteClose();
}
