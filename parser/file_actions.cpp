#include "parser/file_actions.h"

#include "emit/emit.h"
#include "parser/reset.h"
#include "parser/state.h"
#include "semantic/semantic.h"

// --- Start rules

// sourceFile, webPage: at the start, before the target is opened
// writes nothing; sets line 1, no errors, no block, and clears every state
void resetFileState()
{
    resetSemanticFile();
    resetEmitFile();
    resetParserFile();
}

// sourceFile, webPage: at the start
// writes nothing; opens the target .php file, or reports it can't be opened
bool openTargetFile()
{
    if (openOutputFile(targetFileName))
        return true;
    reportTargetNotWritable();
    return false;
}

// sourceFile, webPage (and the driver): the target could not be opened
// writes nothing; reports: "target" can't be opened for writing
void reportTargetNotWritable()
{
    reportErrorText("\"" + targetFileName + "\" can't be opened for writing");
}

// sourceFile, webPage: held for the whole file, so that the target is
// closed however the rule is left
OutputFileScope::~OutputFileScope()
{
    closeOutputFile();
}

// webPage: HTML, a text block of the page
// writes: the block's text without its "{|" and "|}" marks, each "<?" in it
// broken by an empty PHP block so that PHP shows it as text
std::string pageText(const std::string& block)
{
    if (block.size() < 4)
        return std::string();
    return inlinePageText(block.substr(2, block.size() - 4));
}

// nativeCode: NATIVECODE, and functionHead: the lines a token spans
// writes nothing; counts \n, \r and \r\n as one line end each
int countLineEnds(const std::string& text)
{
    int count = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++count;
        } else if (text[i] == '\r') {
            ++count;
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        }
    }
    return count;
}

// --- Imports and includes

// importPath: STRING_LITERAL, the path as require_once takes it
// A path inside a PHP double-quoted string: nothing in it may end the
// string or interpolate.
static std::string doubleQuotedPath(const std::string& path)
{
    std::string text = "\"";
    for (char c : path) {
        if (c == '\\' || c == '"' || c == '$')
            text += '\\';
        text += c;
    }
    return text + "\"";
}

// importPath: ("(")? STRING_LITERAL (")")?
// writes: require_once("path"); or, for a .js file, //require(path);
void translateImport(const std::string& token)
{
    newlineState = 0;
    std::string path = stripQuotes(token);
    size_t dot = path.rfind('.');
    if (dot != std::string::npos && equalsIgnoreCase(path.substr(dot), ".js")) {
        // A script for the browser: kept as a comment line, ended at once so
        // that nothing written after it on the same line is commented out.
        emitString(phpComment("#require(" + path + ");"));
        emitNewline();
        return;
    }
    emitString("require_once(" + doubleQuotedPath(path));
    endCallStatement();
}

// includePath: ("(")? STRING_LITERAL (")")?
// writes: include_once("name.php"); for a .vel file, include_once('x.php'); for
// a .php file as written, and nothing for any other file
void translateInclude(const std::string& token)
{
    newlineState = 0;
    std::string path = stripQuotes(token);
    bool velandro = hasVelExtension(path);
    if (!velandro && !hasPhpExtension(path))
        return;
    emitText("include_once(");
    emitString(velandro ? includeTarget(token) : token);
    endCallStatement();
}

// --- Comments and native code

// comment: Q_COMMENT
// writes: //text for #text, with a blank inside each "?>" so PHP goes on
std::string phpComment(const std::string& commentToken)
{
    std::string text = "//";
    for (size_t i = 1; i < commentToken.size(); ++i) {
        text += commentToken[i];
        if (commentToken[i] == '?' && i + 1 < commentToken.size() && commentToken[i + 1] == '>')
            text += ' ';
    }
    return text;
}

// nativeCode: NATIVECODE
// writes nothing; leaves the text between the "~~" marks in rawText;
// checks: both marks are there (a syntax error, and no text, else)
void takeNativeCode(const std::string& token)
{
    rawText = token;
    if (rawText.compare(0, 2, "~~") != 0) {
        syntaxError();
        return;
    }
    rawText.erase(0, 2);
    if (token.size() < 4 || token.compare(token.size() - 2, 2, "~~") != 0) {
        // cut short by the end of a page's code block: none of it is written
        syntaxError();
        rawText.clear();
        return;
    }
    rawText.erase(rawText.size() - 2);
}

// --- The steps of the start rules and of the file's own lines

// sourceFile: ( sourceBody EOF | OPENVEL "vel" )
// writes: <?php   (false, nothing written, when the target cannot be opened)
bool beginSourceFile()
{
    resetFileState();
    if (!openTargetFile())
        return false;
    emitText("<?php\n");
    return true;
}

// webPage: ( code block | script element | HTML | EOL )+ EOF
// writes: nothing yet (false when the target cannot be opened)
bool beginPage()
{
    resetFileState();
    return openTargetFile();
}

// sourceFile: at the end of the input
// writes: ?>   and closes the file
void endSourceFile()
{
    emitText("\n?>\n");
    closeOutputFile();
}

// sourceFile: OPENVEL "vel"
// checks: a page's code in a source file, reported and counted
void reportPageCodeInSource()
{
    std::fputs("Use rather the -web option\n", stdout);
    std::fflush(stdout);
    ++errorCount;
}

// webPage: LESSER "script" ID EQUAL languageValue GREATER
// checks: the attribute is "language" (any case), else a syntax error
void checkLanguageAttribute(const std::string& attribute)
{
    if (!equalsIgnoreCase(attribute, "language"))
        syntaxError();
}

// webPage: HTML
// writes: the page text as PHP prints it unchanged
void writePageText(const std::string& block) { emitString(pageText(block)); }

// webPage: EOL
// writes: a line end
void writePageLineEnd()
{
    emitNewline();
    ++lineNumber;
}

// newLine: EOL
// writes: a line end, never a second empty line
void writeLineEnd()
{
    ++lineNumber;
    emitNewlineOnce();
}

// blankExternLine: EOL
// writes: a line end (never a second empty line); the next one is no
// empty line of PHP
void writeBlankExternLine()
{
    writeLineEnd();
    ++newlineState;
}

// comment: Q_COMMENT
// writes: //text   with its line end
void writeComment(const std::string& commentToken)
{
    emitString(phpComment(commentToken));
    ++lineNumber;
}

// nativeCode: NATIVECODE
// writes: the PHP text between the "~~" marks, as it stands
void writeNativeCode(const std::string& token)
{
    takeNativeCode(token);
    lineNumber += countLineEnds(token);
    emitString(rawText);
}
