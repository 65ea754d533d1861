// The start of a file, its head (imports and includes), line ends, comments
// and native code.
#pragma once

#include <string>

#include <cstdio>

// --- Start rules
// Resets everything a file's translation starts from, each layer its own
// (resetSemanticFile, resetEmitFile, resetParserFile); an aborted earlier
// file leaves nothing behind. Sets lineNumber 1, errorCount 0, blockDepth -1.
void resetFileState();
// Opens targetFileName as the output file; a target that cannot be opened is
// a counted diagnostic and the result is false.
bool openTargetFile();
// The diagnostic of a target that cannot be opened, or not written whole:
// "\"<target>\" can't be opened for writing", counted.
void reportTargetNotWritable();

// Closes the output file when the start rule is left, whatever the path.
class OutputFileScope {
public:
    OutputFileScope() = default;
    OutputFileScope(const OutputFileScope&) = delete;
    OutputFileScope& operator=(const OutputFileScope&) = delete;
    ~OutputFileScope();
};

// A page text block "{|" text "|}" without its two marks, written so that
// PHP prints it unchanged (inlinePageText).
std::string pageText(const std::string& block);

// --- Imports and includes (the file name token with its quotes)
void translateImport(const std::string& token);
void translateInclude(const std::string& token);

// --- Line ends inside one token ("\r\n", "\r" and "\n" count one each)
int countLineEnds(const std::string& text);

// --- Comments and native code
// The PHP text of a "#" comment: "//" and the text after "#"; a "?>" in it
// would end PHP mode, so it is written "? >".
std::string phpComment(const std::string& commentToken);
// Sets rawText from a native-code token (text between the "~~" marks);
// reports a malformed token as a syntax error.
void takeNativeCode(const std::string& token);

// --- The steps of the start rules and of the file's own lines
// Resets the file's state and opens its target; false when it cannot be
// opened (the rule returns).
bool beginSourceFile();
bool beginPage();
void endSourceFile();
// Page code ("<?vel") in a source file: reported, counted.
void reportPageCodeInSource();
// A script element's attribute must be its language.
void checkLanguageAttribute(const std::string& attribute);
void writePageText(const std::string& block);
void writePageLineEnd();
// A line end of the code, written once; one of an extern block or class.
void writeLineEnd();
void writeBlankExternLine();
void writeComment(const std::string& commentToken);
void writeNativeCode(const std::string& token);
