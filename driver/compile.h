// Compiling one file through the lexer and the parser, and the compile loops.
#pragma once

// Compiles the source named by sourceFileName into targetFileName: a copy
// without comments goes through the lexer and the source start rule.
void compileSource();

// Compiles the page named by sourceFileName into targetFileName.
void processWebPage();

// Compile every file of sourceFiles; return how many were compiled.
int compileSources();
int compileWebPages();
