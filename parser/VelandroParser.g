// The Velandro parser. ANTLR 2.7.7 turns this file into VelandroParser at
// build time. The rules translate while they parse: every action writes PHP
// text or changes the process-wide translation state, and runs only when the
// parser is not guessing. No rule keeps state of its own; the few locals of
// a rule are positions in the current expression text.
//
// Error handling, three kinds: the generated default handler (report through
// the runtime, resynchronise on the rule's follow set) is switched on rule by
// rule; a few rules have a handler written here, one call of ParserBase's
// each; every other rule passes its exceptions to its caller.

// The recovery, the look-ahead scans and the guards the rules call are
// ParserBase's (parser/parser_base.h).
header "post_include_hpp" {
#include "parser/parser_base.h"
}

header "post_include_cpp" {
#include "emit/emit.h"
#include "emit/xml.h"
#include "parser/call_actions.h"
#include "parser/class_actions.h"
#include "parser/declaration_actions.h"
#include "parser/expression_actions.h"
#include "parser/function_actions.h"
#include "parser/file_actions.h"
#include "parser/head_actions.h"
#include "parser/literal_actions.h"
#include "parser/nesting.h"
#include "parser/print_actions.h"
#include "parser/reference_actions.h"
#include "parser/state.h"
#include "parser/xml_actions.h"
#include "semantic/semantic.h"
}

options {
    language = "Cpp";
}

class VelandroParser extends Parser("ParserBase");
options {
    k = 2;
    // The pinned numbers of the lexer; exporting "Velandro" gives the class
    // its base VelandroTokenTypes, the same types as the lexer's.
    importVocab = VelandroPinned;
    exportVocab = Velandro;
    defaultErrorHandler = false;
}

// ---------------------------------------------------------------------------
// Start rules

sourceFile
options { defaultErrorHandler = true; }
{ OutputFileScope outputScope; }
    :   (   { if (!beginSourceFile()) return; }
            (   sourceBody EOF
            |   OPENVEL "vel" { reportPageCodeInSource(); }
            )
            { endSourceFile(); }
            exception
            catch [antlr::TokenStreamException& ex] { reportTokenStreamError(ex); }
        )
    ;

webPage
options { defaultErrorHandler = true; }
{ OutputFileScope outputScope; }
    :   (   { if (!beginPage()) return; }
            (   OPENVEL "vel"
                pageCode
                CLOSEVEL { emitText(" ?>"); }
                // A velandro script element: PHP no longer runs a script
                // element, so its code goes between PHP tags like a code block.
            |   LESSER "script"
                attribute:ID { checkLanguageAttribute(text(attribute)); }
                EQUAL languageValue
                GREATER
                pageCode
                LESSER SLASHSCRIPT GREATER { emitText(" ?>"); }
            |   block:HTML { writePageText(text(block)); }
            |   EOL { writePageLineEnd(); }
            )+
            EOF
            { closeOutputFile(); }
            exception
            catch [antlr::TokenStreamException& ex] { reportTokenStreamError(ex); }
        )
    ;

// The code of a code block or a script element, after the PHP tag that
// opens it.
pageCode
    :   { emitText("<?php "); }
        sourceBody
    ;

// The value of a script element's language attribute: velandro, as written
// or from the quoted forms.
languageValue
    :   "velandro"
    |   "QvelandroQ"
    |   "DvelandroD"
    ;

// The code of a source file or of one code block of a page: the header items,
// then the top-level items.
sourceBody
    :   (   // Empty lines and comments are header items while the head lasts.
            options { warnWhenFollowAmbig = false; }
        :   headerItem
        )*
        ( topLevelItem )*
    ;

// ---------------------------------------------------------------------------
// Header items, top-level items and statements

headerItem
options { defaultErrorHandler = true; }
    :   "import" importPath
    |   "include" includePath
    |   "using" ID newLine
    |   newLine
    |   comment
    |   defineDeclaration
    |   "extern"
        (   externDeclaration
        |   blockStart
            // A token that can begin an item is the item's; only the others
            // are stray.
            (   options { generateAmbigWarnings = false; }
            :   externBlockItem
            |   blankExternLine
            |   bad:~( SLASHEXTERN | EOL | CLOSEVEL ) { reportStrayToken(bad); }
            )+
            SLASHEXTERN
        )
    ;

// The file after "import", its line written as a require_once.
importPath
    :   ( LEFTPAR )?
        path:STRING_LITERAL
        ( RIGHTPAR )?
        { translateImport(text(path)); }
        (   newLine
        |   SEMI
        )
    ;

// The file after "include": a Velandro or PHP file becomes an include_once;
// a name in angle brackets writes nothing.
includePath
    :   (   ( LEFTPAR )?
            path:STRING_LITERAL
            ( RIGHTPAR )?
            { translateInclude(text(path)); }
        |   LESSER ID
            ( ID | MINUS | INTEGER | REAL_LITERAL | DIV | DOT | BACKSLASH )*
            GREATER
        )
        (   newLine
        |   SEMI
        )
    ;

topLevelItem
options { defaultErrorHandler = true; }
{ ExpressionLevelScope levels; }   // the handler leaves no level behind
    :   newLine
    |   SEMI
    |   enumDeclaration
    |   defineDeclaration
    |   { emitIndent(); }
        "return"
        (   newExpression ( COMMA expression )*
        |
        )
        statementEnd
        { checkReturnPlace(); }
        // A declaration: modifiers, then a class, or one or more types and
        // a name.
    |   { !indexedNameAhead() }?
        ( ( modifier )* ( "class" | typeSpec ( comma typeSpec )* ID ) ) =>
        modifiers
        (   classDeclaration
        |   typedDeclaration
        )
    |   ( ID LEFTPAR ) =>
        { emitIndent(); }
        callStatement
        statementEnd
    |   ( ATCHAR ID ) => atCallStatement statementEnd
    |   superConstructorCall statementEnd
        // a "/class" with no class open: reported, and the file goes on
    |   { reportUnexpectedToken(); }
        SLASHCLASS
    |   ( Q_COMMENT ) => comment
    |   ( NATIVECODE ) => nativeCode
    |   statement { newlineState = 0; }
    |   strayClosingLine
    ;

// A closing keyword, or a part of a compound statement, that no statement
// opened: reported (unless a statement's handler just reported it), its
// line skipped, and the file read on.
strayClosingLine
    :   strayCloser
    |   { reportStrayLine(); }
        ( "else" | "case" | "always" | "until" | "catch" | "let" )
        { skipRestOfLine(); }
    ;

// The same for a closing keyword inside a block, which goes on after it.
strayCloser
    :   { reportStrayLine(); }
        ( SLASHIF | SLASHFOR | SLASHWHILE | SLASHDO | SLASHERROR | SLASHTRY )
        { skipRestOfLine(); }
    ;

statement
    :   { if (!startStatement()) return; }
        (   comment
        |   forStatement
        |   doStatement
        |   inputStatement
        |   errorStatement
        |   globalStatement
        |   ifStatement
        |   tryStatement
        |   printStatement
        |   whileStatement
        |   echoStatement
        |   loopJump
        |   nativeCode
        |   xmlStatement
        |   { !indexedNameAhead() }? ( ( modifier )* typeSpec ID ) => declaration
        |   expressionStatement
        )
    ;

// The end of a simple statement, written by its token as the rule begins.
// Page code may also end at "?>", at the end tag of a script element or at
// the end of the input, where only the ";" is written.
statementEnd
{ if (writeStatementEnd()) return; }
    :   EOL
    |   SEMI
        // Never taken (the init action above takes these tokens); it tells
        // the callers' decisions that a statement may end there.
    |   { false }? ( CLOSEVEL | EOF | LESSER SLASHSCRIPT )
    ;

blockStart
    :   newLine
    |   COLON
    ;

// A line end, written as one (never a second empty line).
newLine : EOL { writeLineEnd(); } ;

// A line end that writes nothing: counted only.
lineEnd : EOL { ++lineNumber; } ;

// An empty line of an extern block or class, which writes no PHP line.
blankExternLine : EOL { writeBlankExternLine(); } ;

// A "#" comment, its line end included, as a PHP "//" comment.
comment
    :   c:Q_COMMENT { writeComment(text(c)); }
    ;

// PHP text between "~~" marks, written as it stands.
nativeCode
    :   n:NATIVECODE { writeNativeCode(text(n)); }
    ;

// COMMA and an optional line end, written nowhere.
comma
    :   COMMA
        (   lineEnd
        |
        )
    ;

// ---------------------------------------------------------------------------
// Defines, enumerations and extern declarations

// A type name for the signature of a function declared before, or for none.
defineDeclaration
    :   "define" name:ID
        (   EQUAL function:STRING_LITERAL { defineSignatureOf(text(function)); }
        |   ( "as" )? { defineWithoutSignature(); }
        )
        (   lineEnd
        |   SEMI
        )
        { defineName(text(name)); }
    ;

// Named constants: one line of items, or a block closed by "/enum".
enumDeclaration
options { defaultErrorHandler = true; }
    :   "enum"
        (   blockStart
            enumBlock
        |   enumeratorList
        |   ( "let" | QUESTION )
            (   enumeratorList
            |   lineEnd
                enumeratorList
            )
        )
    ;

// A syntax error inside the block keeps its "/enum".
enumBlock
    :   (   newLine
        )*
        enumeratorList
        (   newLine
        )*
        SLASHENUM
    ;
    exception
    catch [antlr::RecognitionException& ex] { abandonEnumBlock(ex); }

enumeratorList
    :   { beginEnumeratorList(); }
        enumItem
        (   COMMA
            (   newLine
            )*
            enumItem
        )*
    ;

enumItem
    :   name:ID { beginEnumItem(text(name)); }
        (   EQUAL given:INTEGER { enumGivenValue(text(given)); }
        |   COLON
            { takeEnumLiteral(); }
            (   REAL_LITERAL
            |   INTEGER
            |   STRING_LITERAL
            )
        |   { enumCountedValue(); }
        )
        { declareEnumItem(); }
    ;

// One entry of an extern block; a syntax error in it costs the rest of its
// line only.
externBlockItem
{ auto first = LT(1); }
    :   externDeclaration
    |   defineDeclaration
    ;
    exception
    catch [antlr::RecognitionException& ex] { recoverExternLine(ex, first); }

// A variable, a prototype or a class that the PHP program provides.
externDeclaration
    :   externClassDeclaration
    |   { beginExternDeclaration(); }
        ( "static" )?
        ( constModifier )?
        typeSpec
        (   MUL
            (   lineEnd
            )?
        )?
        (   { functionAhead() }? externFunctionDeclaration
        |   name:ID { declareExternVariable(text(name)); }
        )
        (   lineEnd
        |   SEMI
        )
    ;

// A syntax error costs the rest of the prototype's line, never the next
// line nor a closing keyword.
externFunctionDeclaration
{ auto first = LT(1); }
    :   { beginExternFunction(); }
        (   comma
            typeSpec
            { addExternReturnType(); }
        )*
        identifierName
        { settleExternFunctionName(); }
        LEFTPAR externParameterList RIGHTPAR
        { registerExternFunction(); }
    ;
    exception
    catch [antlr::RecognitionException& ex] { recoverExternLine(ex, first); }

externParameterList
    :   externParameter
        (   comma
            externParameter
        )*
    |
    ;

externAlias : "alias" { setExternParameterAlias(); } ;

externParameter
    :   { beginExternParameter(); }
        ( constModifier )?
        ( externAlias )?
        typeSpec
        (   MUL
            (   MUL
            )?
        )?
        { takeExternParameterType(); }
        ( externAlias )?
        (   ID
            (   LEFTSQUARE RIGHTSQUARE
            )*
        )?
        (   EQUAL newExpression
            { checkExternParameterDefault(); }
        )?
        { addExternParameter(); }
    ;

// A class of the PHP program, with its parent and members; no class text
// is written.
externClassDeclaration
{ ExternClass externClass(*this); }
    :   "class"
        externClassHead
        // A token that can begin a member is the member's; only the others
        // are stray.
        (   options { generateAmbigWarnings = false; }
        :   externClassMember
        |   blankExternLine
        |   bad:~( SLASHCLASS | SLASHEXTERN | EOL | CLOSEVEL ) { reportStrayToken(bad); }
        )*
        externClassEnd
        { externClass.end(); }
    ;

// The name, the parent, the end of the header. A syntax error costs the
// rest of the line; the class is declared once its name is read.
externClassHead
    :   { beginExternClass(); }
        (   externClassName
        |   identifierName
        )
        { declareExternClass(); }
        (   "is"
            identifierName
            { setExternParent(currentIdentifier); }
            (   COMMA
                (   lineEnd
                )?
                identifierName
                { reportExtraParent(); }
            )*
        |
        )
        blockStart
    ;
    exception
    catch [antlr::RecognitionException& ex] { recoverExternLine(ex); }

externClassMember
{ auto first = LT(1); }
    :   externDeclaration
    ;
    exception
    catch [antlr::RecognitionException& ex] { recoverExternLine(ex, first); }

// "/class"; without it the class ends all the same.
externClassEnd
    :   SLASHCLASS
    ;
    exception
    catch [antlr::RecognitionException& ex] { reportError(ex); }

externClassName
    :   (   ( ( "java" | "javax" ) DOT ) => javaClassName
        |   "java" name:ID { qualifiedClassName = text(name); }
        )
        ( qualifiedNamePart )*
        { takeExternClassName(); }
    ;

// "java.text." ID, "java." ID or "javax." ID: the start of a qualified
// name, taken from the tokens ahead.
javaClassName
    :   { takeJavaClassName(); }
        (   ( "java" DOT "text" ) =>
            "java" DOT "text" DOT ID
        |   "java" DOT ID
        |   "javax" DOT ID
        )
    ;

// ---------------------------------------------------------------------------
// Types, modifiers and declarations

// A keyword type with its array pairs, or a class type.
typeSpec
    :   classType
    |   declarationType
        ( arrayPair )*
    ;

// "[]" after a type: the array of it.
arrayPair : LEFTSQUARE RIGHTSQUARE { setArrayOfType(currentType); } ;

// ". name" of a dotted class name.
qualifiedNamePart : DOT part:ID { appendQualifiedName(text(part)); } ;

// A class type; a dotted name is looked up once all of it is read. "string"
// is the text type, as a keyword.
classType
    :   { currentType = typeObject; }
        (   (   javaClassName
                { currentClassIndex = javaClassIndex; }
                ( qualifiedNamePart )*
            |   name:ID { qualifiedClassName = text(name); }
                ( qualifiedNamePart )*
                { classTypeName(qualifiedClassName); }
            )
            classArrayPairs
            { finishClassType(); }
        |   "string" { textTypeName(); }
            ( arrayPair )*
        )
    ;

// A type keyword of a declaration; "string" is text there too.
keywordType
    :   declarationType
    |   "string" { textTypeName(); }
    ;

classArrayPairs
    :   (   LEFTSQUARE RIGHTSQUARE { currentType = typeObjectArray; }
        )*
    ;

// The modifiers of a declaration, which begins with them.
modifiers
    :   { beginDeclaration(); }
        ( modifier )*
    ;

// "static", "protected" and "private" are written; "const" makes a
// constant; "volatile" changes nothing.
modifier
    :   { takeModifier(); }
        (   "static"
        |   "const"
        |   "protected"
        |   "volatile"
        |   "private"
        )
    ;

constModifier : "const" { currentKind = kindConstant; } ;

identifierName
    :   name:ID { takeIdentifierName(text(name)); }
    ;

// COMMA and an optional line end; "," written.
emittedComma
    :   COMMA
        (   lineEnd
        |
        )
        { emitComma(); }
    ;

// A declaration at file level or in a class body, after its modifiers:
// a function, a list of variables of a keyword type, or an object.
// A syntax error in it is reported as a bad declaration, and the rest of
// its line is skipped: a token left there that cannot begin an item would
// end the file's translation.
typedDeclaration
    :   // "string" is the keyword type text here
        (   options { generateAmbigWarnings = false; }
        :   typedKeywordDeclaration
        |   typedClassDeclaration
        )
    ;
    exception
    catch [antlr::ANTLRException& ex] { abandonDeclaration(ex); }

typedKeywordDeclaration
    :   keywordType
        ( arrayPair )*
        { emitIndent(); }
        (   { functionAhead() }? functionDefinition
        |   { variablesAhead() }? variableDeclarationList
        )
    ;

typedClassDeclaration
    :   classType
        (   { functionAhead() }? { emitIndent(); } functionDefinition
        |   { instanceAhead() }? instanceDeclaration
        )
    ;

// A declaration inside a block or a function body.
declaration
    :   modifiers
        (   options { generateAmbigWarnings = false; }
        :   keywordType
            ( arrayPair )*
            variableDeclarationList
        |   classType
            instanceDeclaration
        )
    ;

// One object of a class type: its value, null, or a new object.
instanceDeclaration
    :   identifierName
        { beginInstance(); }
        (   ( EQUAL ( EOL )? "null" ) =>
            EQUAL
            (   lineEnd
            )?
            "null"
            { instanceNullValue(); }
        |   EQUAL { beginInstanceValue(); }
            (   lineEnd
            )?
            initializerValue
            { finishInstanceValue(); }
        |   { instanceDefaultValue(); }
        )
        assignmentEnd
        { finishInstance(); }
    ;

// ---------------------------------------------------------------------------
// Classes

// A class: its name, its parent, its members up to "/class". A syntax
// error in its head or in a member line is reported and the class goes
// on; one that ends it (no "/class") closes what it opened.
classDeclaration
    :   "class" { beginClassHead(); }
        classHead
        { openClassBody(); }
        (   // the end of the input ends the class (no "/class")
            { !atEndOfInput() }?
            classBodyElement
        )*
        SLASHCLASS
        { closeClass(); }
    ;
    exception
    catch [antlr::RecognitionException& ex] { abandonClass(ex); }

// The name and the parents of a class.
classHead
    :   className
        { openClass(); }
        (   "is" { emitText(" extends "); }
            className
            { setClassParent(); }
            (   emittedComma
                className
                { reportExtraParent(); }
            )*
        |
        )
        (   blockStart
        |   comment
        )
    ;
    exception
    catch [antlr::RecognitionException& ex] { abandonClassHead(ex); }

className
    :   name:ID { writeClassName(text(name)); }
    ;

classBodyElement
    :   modifiers
        typedDeclaration
    |   newLine
    |   comment
    |   strayClassLine
    ;

// A line of a class body that no member begins: reported, skipped up to
// its line end.
strayClassLine
    :   { reportUnexpectedToken(); }
        ~(  SLASHCLASS | EOL | Q_COMMENT | ID | "static" | "private" | "protected"
         |  "volatile" | "const" | "java" | "javax" | "string" | "void" | "bool"
         |  "boolean" | "byte" | "number" | "int" | "real" | "integer" | "natural"
         |  "var" | "array" | "dict" | "file" | "dir" | "text" | "cstring"
         |  "function" | "char" | "object" | CLOSEVEL | EOF )
        { skipRestOfLine(); }
    ;

// ---------------------------------------------------------------------------
// Functions

// A function or method after its first result type: further result types,
// the name, the parameters, and a body whose final "return" ends it.
functionDefinition
    :   { beginFunction(); }
        (   comma typeSpec { addResultType(); }
        )*
        identifierName
        { nameFunction(); }
        functionHead
        (   (   COLON { emitNewline(); }
            |   newLine
            )
            { openFunctionBlock(); }
            (   statementOrLineEnd
            |   superConstructorCall
                statementEnd
            )*
            indentedReturn
        |   (   ( "let" | QUESTION )
                (   lineEnd
                |
                )
            )?
            { openOneLineBody(); }
            returnStatement
        )
        { closeFunction(); }
    ;
    exception
    catch [antlr::RecognitionException& ex] { abandonFunction(ex); }

// The parameters in parentheses. A syntax error there is reported and the
// rest of the list skipped, so that the body still follows.
functionHead
    :   { beginParameters(); }
        LEFTPAR
        functionParameterList
        RIGHTPAR
        { finishParameters(); }
    ;
    exception
    catch [antlr::RecognitionException& ex] { abandonParameters(ex); }

functionParameterList
    :   functionParameter
        (   comma { nextParameter(); }
            functionParameter
        )*
    |
    ;

parameterAlias : "alias" { aliasParameter(); } ;

functionParameter
    :   { beginParameter(); }
        ( constModifier )?
        ( parameterAlias )?
        (   variableType
            ( arrayPair )*
        |   classType { classParameterType(); }
        )
        { parameterType(); }
        ( parameterAlias )?
        identifierName
        (   LEFTSQUARE RIGHTSQUARE
        )*
        { parameterName(); }
        (   EQUAL { beginParameterDefault(); }
            newExpression
            { parameterDefault(); }
        |
        )
        { finishParameter(); }
    ;

// The parent's constructor called with its arguments.
superConstructorCall
    :   "super"
        { beginSuperCall(); }
        LEFTPAR
        argumentList
        RIGHTPAR
        { finishSuperCall(); }
    ;
    exception
    catch [antlr::RecognitionException& ex] { abandonSuperConstructorCall(ex); }

// "return" with no value, one value, or several, then the statement end.
// A syntax error in it is reported and the rest of its line skipped.
returnStatement
{ auto first = LT(1); }
    :   "return"
        { checkReturnPlace(); }
        (   { statementEndAhead() }?
            { returnNothing(); }
        |   { beginReturnValue(); }
            expression
            (   { returnOneValue(); }
            |   { returnFirstOfSeveral(); }
                (   emittedComma
                    newExpression
                    { returnNextValue(); }
                )+
                { finishSeveralValues(); }
            )
        )
        statementEnd
    ;
    exception
    catch [antlr::RecognitionException& ex] { abandonReturn(ex, first); }


// One PHP statement per name, each on a line of its own.
variableDeclarationList
    :   { beginDeclarationList(); }
        variableDeclarator
        (   { beginNextDeclarator(); }
            COMMA
            (   lineEnd
            )?
            variableDeclarator
        )*
        declarationEnd
    ;

declarationEnd
{
    if (codeEndsHere())
        return;
}
    :   SEMI { emitNewline(); }
    |   newLine
        // Never taken (the init action takes these tokens).
    |   { false }? ( CLOSEVEL | EOF | LESSER SLASHSCRIPT )
    ;

variableDeclarator
    :   identifierName
        { declareDeclarator(); }
        (   EQUAL
            (   lineEnd
            )?
            constantDefinition
        |   { errorCatchingDeclaration = 1; }
            eqifSeparator
            constantDefinition
        |   { defaultDeclaratorValue(); }
        )
        { finishDeclarator(); }
    ;

// The value of a declarator.
constantDefinition
    :   { beginConstantDefinition(); }
        initializerValue
        { finishConstantDefinition(); }
    ;

// An expression that starts the statement's expression state anew.
newExpression
    :   { resetExpressions(); }
        expression
    ;

// A target that starts the statement's expression state anew.
newLvalue
    :   { resetExpressions(); }
        lvalue
    ;

// An expression on a level of its own.
innerExpression
    :   { pushExpression(); }
        expression
    ;

// One value: an entry of the value list.
initializerValue
    :   newExpression
        { addInitializerValue(); }
    ;

// ---------------------------------------------------------------------------
// Expression and assignment statements

expressionStatement
    :   { beginExpressionStatement(); }
        (   literalMethodStatement statementEnd
        |   atCallStatement statementEnd
        |   ( ID LEFTPAR ) => callStatement statementEnd
        |   { memberCallAhead() }? ( ID ) => memberCallStatement statementEnd
        |   { assignmentAhead() }? assignmentStatement
        )
    ;

// ---------------------------------------------------------------------------
// Call statements: a call on a line of its own, written as it stands.

callStatement
    :   { beginCallStatement(); }
        callOperand
        { emitCurrentExpression(); }
    ;

// A call written with PHP's "@", which silences its warnings.
atCallStatement
    :   ATCHAR { beginSilentCallStatement(); }
        callOperand
        { emitCurrentExpression(); }
    ;

literalMethodStatement
    :   literalMethodOperand
        { emitCurrentExpression(); }
    ;

memberCallStatement
    :   memberCallOperand
        { emitCurrentExpression(); }
    ;

// Targets, an operator, values. A compound operator stands alone between
// target and value ("x + 1" adds 1 to x).
assignmentStatement
options { defaultErrorHandler = true; }
{ ExpressionLevelScope levels; }   // the handler leaves no level behind
    :   { beginAssignment(); }
        lvalue
        { addFirstTarget(); }
        (   comma
            newLvalue
            { addNextTarget(); }
        )*
        (   (   assignOperator
            |   compoundAssignOperator
                (   lineEnd
                )?
            )
            { initializerTargetType = currentType; }
            assignedValue
            (   comma
                assignedValue
            )*
            { translateAssignment(); }
        |   eqifSeparator
            { beginErrorCatchingValue(); }
            initializerValue
            { translateErrorAssign(); }
        )
        assignmentEnd
    ;

// A value of an assignment, wrapped as an array for an array target at
// the same position.
assignedValue
    :   { setValueTargetType(); }
        initializerValue
    ;

// The end of an assignment or an instance declaration, which write their
// line end themselves.
assignmentEnd
{ if (codeEndsHere()) return; }
    :   lineEnd
    |   SEMI
        // Never taken (the init action takes these tokens).
    |   { false }? ( CLOSEVEL | EOF | LESSER SLASHSCRIPT )
    ;

assignOperator
    :   EQUAL
        (   lineEnd
        )?
        { setAssignOperator('='); }
    ;

// "+" joins texts, and adds anything else.
compoundAssignOperator
    :   { setCompoundAssignOperator(); }
        (   PLUS
        |   MINUS
        |   MUL
        |   DIV
        |   "mod"
        |   AND_BIN
        |   OR_BIN
        |   XOR_BIN
        |   SHIFT_LEFT
        |   SHIFT_RIGHT
        )
    ;

eqifSeparator
    :   EQIF
        (   lineEnd
        )?
    ;

// ---------------------------------------------------------------------------
// XML literals

// One literal: a nested PHP array assigned to the outermost tag's variable.
// A syntax error inside closes the elements written so far and skips the
// rest of the outermost element, so the PHP written stays whole.
xmlStatement
{ XmlLiteralScope scope; }   // which begins the literal
    :   xmlDeclaration
        { endStatement(); }
    ;
    exception
    catch [antlr::RecognitionException& ex] { abandonXmlLiteral(ex); }
    catch [antlr::TokenStreamException& ex] { closeXmlLiteralAtFileEnd(); }

// Nested too deeply, it is reported by the literal's statement, which
// skips the elements.
xmlDeclaration
{ NestingLimit nesting(*this, "expression nested too deeply"); }
    :   open:XOPEN { xmlElementHead(text(open)); }
        (   xmlAttribute
        |   EOL { xmlAttributeLineEnd(); }
        )*
        GREATER
        (   literalValue { xmlContentLiteral(); }
        |   content:TEMPLATE { xmlContentTemplate(text(content)); }
        |   xmlDeclaration
        |   newLine
        )*
        close:XCLOSE { xmlElementClose(text(close)); }
        newLine
    ;

xmlAttribute
    :   name:ID EQUAL
        { addXmlAttribute(text(name)); }
        (   REAL_LITERAL
        |   INTEGER
        |   STRING_LITERAL
        )
    ;

// ---------------------------------------------------------------------------
// Print, echo and input

printStatement
options { defaultErrorHandler = true; }
    :   "print"
        (   printValue
            ( nextPrintValue )*
            { writePrintList(); }
        |   { writeEmptyPrint(); }
        )
        statementEnd
    ;

echoStatement
options { defaultErrorHandler = true; }
    :   "echo"
        printValue
        ( nextPrintValue )*
        { emitEcho(false); }
        statementEnd
    ;

// The first value of print or echo, which starts the statement's
// expression state anew.
printValue
    :   newExpression
        { takePrintValue(); }
    ;

// A value of print or echo after the first.
nextPrintValue
    :   comma
        innerExpression
        { takePrintValue(); }
    ;

inputStatement
    :   "input"
        { takeInputPrompt(); }
        (   STRING_LITERAL comma
        |
        )
        newLvalue
        { translateInput(); }
        statementEnd
    ;

// ---------------------------------------------------------------------------
// Control statements: blocks and loop bodies, if, while, do, error, try,
// global and for. A compound statement whose blocks do not fit the
// block-scope table is reported and skipped whole as its statement begins;
// each one's handler gives back what the statement opened.

// One line of a block or a function body: a statement, an empty line (at
// most one empty line is written) or a lone ";". A line that is no
// statement is reported and skipped; the block goes on with the next line.
statementOrLineEnd
{ auto first = LT(1); }
    :   statement
    |   newLine
    |   SEMI
    ;
    exception
    catch [antlr::RecognitionException& ex] { recoverBadLine(ex, first); }

// One statement of a block or a loop body.
loopBodyStatement
    :   indentedReturn
    |   superConstructorCall statementEnd
    |   statementOrLineEnd
    ;

// A return statement on a line of its own.
indentedReturn
    :   { emitIndent(); }
        returnStatement
    ;

// "break" or "continue", written by the innermost loop's kind; with no
// loop open, reported and not written. Nothing is written for one that
// does not end its statement.
loopJump
{ LoopJump jump(*this); }
    :   ( "break" | "continue" )
        { writeLoopJump(jump); }
        loopJumpEnd[jump.written]
    ;

// The statement end after "break" or "continue"; nothing written when the
// jump was not.
loopJumpEnd[bool written]
{
    if (written) { statementEnd(); return; }
    if (codeEndsHere()) return;
}
    :   newLine
    |   SEMI
        // Never taken (the init action takes these tokens).
    |   { false }? ( CLOSEVEL | EOF | LESSER SLASHSCRIPT )
    ;

// The body on a header's line, one level deeper.
oneLineBody
    :   { indentOneLineBody(); }
        (   inlineStatement
        |   ( "let" | QUESTION ) singleStatement
        )
        { indentLess(); }
    ;

singleStatement
    :   expressionStatement
    |   inlineStatement
    ;

inlineStatement
    :   printStatement
    |   echoStatement
    |   inputStatement
    |   loopJump
    |   returnStatement
    ;

// A block scope, its statements, its closing brace.
nestedBlock
    :   { openNestedBlock(); }
        (   options { greedy = true; }
        :   loopBodyStatement
        |   { strayCloserAhead() }? strayCloser
        )*
        { closeNestedBlock(); }
    ;

// The statements of a for or an error block, one level deeper. (A body
// followed by other tokens has a rule of its own: a stray closer is told
// from the body's end by the token after it.)
indentedBody
    :   { indentMore(); }
        (   options { greedy = true; }
        :   loopBodyStatement
        |   { strayCloserAhead() }? strayCloser
        )*
        { indentLess(); }
    ;

// The statements of a do body or of its always part, up to "until" or
// "/do".
doBody
    :   (   options { greedy = true; }
        :   loopBodyStatement
        |   { strayCloserAhead() }? strayCloser
        )*
    ;

// --- If

ifStatement
{ CompoundStatement statement(*this); }
    :   "if" { pushCounter(); }
        (   ( bitOrExpression ( EOL | COLON ) ( EOL )* compositeTestOperator ) =>
            compositeIf
        |   ifBody
        )
        { popCounter(); }
    ;
    exception
    catch [antlr::ANTLRException& ex] { abandonStatement(ex, statement, Msg::wordIf); }

compositeTestOperator
    :   LESSER | EQUAL | GREATER | LESS_EQUAL | GREAT_EQUAL | "in" | "match"
    |   NOT_EQUAL | PASDIFF
    ;

// A plain if: a condition, then a one-line body with an optional one-line
// else, or a block with an optional else block and "/if".
ifBody
    :   newExpression
        { openConditionBlock(); }
        (   { beginOneLineIfBody(); }
            oneLineBody
            { closeBlockScope(); }
            (   options { greedy = true; }
            :   ( COLON | "else" )
                { openOneLineElse(); }
                singleStatement
                { closeOneLineElse(); }
            |
            )
        |   blockStart
            nestedBlock
            ( elsePart )?
            SLASHIF
        )
    ;

// A tested value, then test lines (each a comparison or "in" with its
// block), written as a chain of if and else on the value.
compositeIf
    :   { resetExpressions(); }
        bitOrExpression
        { fillEmptyCondition(); }
        blockStart
        (   lineEnd
        )*
        { setCompositeTestedValue(); }
        compositeTestLine
        (   { openNextTestLine(); }
            compositeTestLine
            { closeNextTestLine(); }
        )*
        ( elsePart )?
        { closeCompositeIf(); }
        SLASHIF
    ;

compositeTestLine
{ TestLine line(*this); }
    :   { emitIndent(); }
        (   { beginCompositeComparison(line); }
            comparisonOperator
            { beginCompositeValue(line); }
            expression
            { completeCompositeComparison(line); }
        |   "in" inTest
        )
        { openTestLineBlock(); }
        blockStart
        nestedBlock
        { popIdentifierSlot(); }
    ;

elsePart
    :   "else"
        { openElsePart(); }
        ( COLON )?
        nestedBlock
    ;

// --- While, do and error

// A while is written with its body in do { } while(false), so that a
// "continue" still runs the step; a one-line "break" or "continue" body
// gets the same wrapper.
whileStatement
{ CompoundStatement statement(*this); }
    :   "while"
        { beginWhileStatement(); }
        (   expression
            { writeWhileCondition(); }
        |   "forever" { writeWhileHead(true); }
        )
        (   { statement.wrapped = openOneLineWhileBody(); }
            oneLineBody
            { closeOneLineWhileBody(statement.wrapped); }
        |   whileBlock
        )
        (   options { greedy = true; }
        :   whileStep
        |
        )
        { endWhileStatement(); }
    ;
    exception
    catch [antlr::RecognitionException& ex] { abandonStatement(ex, statement); }

// The block form of a while's body, in the wrapper, up to "/while" or to
// the first step, which stands for it.
whileBlock
    :   { beginWhileWrapper(); }
        blockStart
        { indentMore(); }
        (   options { greedy = true; }
        :   loopBodyStatement
        |   { strayCloserAhead() }? strayCloser
        )*
        { closeWhileBlock(); }
        (   whileStep
        |   SLASHWHILE
        )
    ;

// A step of a while: a statement run after the body, counted (the body's
// end counts from zero).
whileStep
    :   { emitIndent(); }
        "let"
        expressionStatement
        { ++whileStepCount; }
    ;

doStatement
{ CompoundStatement statement(*this); }
    :   "do"
        { beginDoStatement(); }
        (   options { greedy = true; }
        :   newLine
        )*
        (   doCaseBody
        |   { indentMore(); }
            doBody
            { indentLess(); }
        )
        { closeDoBody(); }
        doTail
        { closeDoTail(); }
        statementEnd
        { endDoStatement(); }
    ;
    exception
    catch [antlr::ANTLRException& ex] { abandonStatement(ex, statement, Msg::wordDoWhile); }

// "until" and its condition, "/do" alone (no repetition), or "/do" with
// "forever", "until" or "while".
doTail
    :   doUntil
    |   SLASHDO
        (   { emitIndented("while(false)"); }
        |   "forever" { emitIndented("while(true)"); }
        |   doUntil
        |   "while"
            { beginDoWhile(); }
            (   expression
                { writeDoWhileCondition(); }
            |   "forever" { emitText("true)"); }
            )
        )
    ;

doUntil
    :   "until"
        { beginDoUntil(); }
        expression
        { writeDoUntilCondition(); }
    ;

// The case form of a do body: if and else on each case, the braces of the
// else branches closed together, then the always statements.
doCaseBody
{ OpenedBefore opened; }
    :   firstCase
        ( caseClause )*
        ( elsePart )?
        { closeCaseChain(); }
        ( alwaysClause )?
    ;
    exception
    catch [antlr::ANTLRException& ex] { abandonCasePart(ex, opened, Msg::caseExpected); }

// A case whose line is bad is reported, and its block skipped up to the
// next case; the do statement goes on with it.
firstCase
{ CasePart part(*this); }
    :   "case"
        { beginFirstCase(); }
        caseBlock
    ;
    exception
    catch [antlr::ANTLRException& ex] { abandonFirstCase(ex, part); }

// A later case: its else stays for the chain.
caseClause
{ CasePart part(*this); }
    :   "case"
        { part.opened = openLaterCase(); }
        caseBlock
        { incCounter(); }
    ;
    exception
    catch [antlr::ANTLRException& ex] { abandonLaterCase(ex, part); }

// A case's value and its block.
caseBlock
    :   expression
        { openConditionBlock(); }
        blockStart
        nestedBlock
    ;

alwaysClause
{ OpenedBefore opened; }
    :   "always"
        ( COLON )?
        doBody
    ;
    exception
    catch [antlr::ANTLRException& ex] { abandonCasePart(ex, opened, Msg::alwaysBlockExpected); }

// A block under the test of $error, which the error-catching assignment
// sets.
errorStatement
{ CompoundStatement statement(*this); }
    :   "error"
        { beginErrorStatement(); }
        (   oneLineBody
        |   blockStart
            indentedBody
            SLASHERROR
        )
        { closeBlockScope(); }
    ;
    exception
    catch [antlr::RecognitionException& ex] { abandonStatement(ex, statement); }

// --- Try and global

tryStatement
{ CompoundStatement statement(*this); }
    :   "try"
        { beginTryStatement(); }
        (   options { greedy = true; }
        :   statementOrLineEnd
        |   { strayCloserAhead() }? strayCloser
        )*
        (   "catch"
            { beginCatch(); statement.caught = true; }
            leftParen
            classType
            identifierName
            RIGHTPAR
            { openCatchBlock(); }
            (   options { greedy = true; }
            :   statementOrLineEnd
            |   { strayCloserAhead() }? strayCloser
            )*
        )?
        { closeTryStatement(statement.caught); }
        SLASHTRY
    ;
    exception
    catch [antlr::RecognitionException& ex] { abandonStatement(ex, statement); }

// One name: a list after it is a syntax error of the statement.
globalStatement
    :   "global" name:ID
        { writeGlobalStatement(text(name)); }
    ;

// --- For

// A range or a collection loop in its own block scope, which holds a
// variable declared in the header.
forStatement
{ CompoundStatement statement(*this); }
    :   "for"
        { beginForStatement(); }
        forVariable[false]
        (   comma
            forVariable[true]
        )?
        "in"
        (   ( boundExpression ( DOTDOT | MINMIN ) ) =>
            forRange
        |   forIn
        )
        (   oneLineBody
        |   blockStart
            indentedBody
            SLASHFOR
        )
        { endForStatement(); }
    ;
    exception
    catch [antlr::RecognitionException& ex] { abandonStatement(ex, statement); }

// A loop variable: a declared name, or a type and a new name.
forVariable[bool second]
    :   identifierName { takeForVariable(false, second); }
    |   variableType identifierName { takeForVariable(true, second); }
    ;

forRange
    :   forRangeSpec
        { writeRangeHeader(); }
    ;

forRangeSpec
    :   { beginRangeSpec(); }
        forRangeBounds
        (   "step"
            (   ( ( MINUS | PLUS )? INTEGER forHeaderEnd ) =>
                { takeLiteralStep(); }
                ( MINUS | PLUS )?
                INTEGER
            |   { resetExpressions(); }
                boundExpression
                { takeExpressionStep(); }
            )
        |
        )
    ;

forRangeBounds
    :   boundExpression
        rangeOperator
        { takeRangeStart(); }
        boundExpression
        { takeRangeEnd(); }
    ;

forHeaderEnd
    :   EOL | QUESTION | COLON | "break" | "continue" | "print" | "echo" | "let"
    |   "return" | "input"
    ;

forIn
    :   { beginCollectionLoop(); }
        bitOrExpression
        { writeCollectionHeader(); }
    ;

// ---------------------------------------------------------------------------
// Expressions

// An expression: operands of the bit, shift and arithmetic operators (one
// term chain each), joined by comparisons, membership tests, "and" and
// "or", all on one chain by precedence. A comparison that is the left
// operand of another one is parenthesized, and so is a bit operation, since
// PHP ranks its comparisons above "&", "|" and "^" and refuses to chain
// them. The subject of "in" is the operand before it, not the whole level.
expression
options { defaultErrorHandler = true; }
{ ExpressionChain chain(*this); }   // with its levels: the handler leaves none behind
    :   { chain.open(); }
        bitOrExpression
        { notInFlag = 0; }
        (   // "<" before "/script" ends a statement of a script element;
            // before an operand it is a comparison.
            options { warnWhenFollowAmbig = false; }
        :   { beginLogicalOperator(chain); }
            logicalOperator
            { chain.openLogicalOperand(); }
            bitOrExpression
            { notInFlag = 0; }
        |   { chain.beginComparison(); }
            comparisonOperator
            { chain.takeComparisonOperator(); }
            bitOrExpression
            { chain.completeComparison(); }
        |   { chain.takeSubject(); }
            "in"
            inTest
            { chain.completeTest(); }
        |   notKeyword
            { chain.takeNegatedSubject(); }
            "in"
            inTest
            { chain.completeTest(); }
        )*
        { chain.close(); }
    ;

logicalOperator
    :   orOperator
    |   andOperator
    ;

// "=" is written "===", "!=" and "<>" "!==".
comparisonOperator
    :   { appendComparisonOperator(); }
        (   EQUAL
        |   NOT_EQUAL
        |   PASDIFF
        |   LESSER
        |   GREATER
        |   LESS_EQUAL
        |   GREAT_EQUAL
        )
    ;
notKeyword : "not" ;

// The part of a membership test after "in": a range, or a list or a text.
// The subject waits in the current identifier slot.
inTest
{ TestSubject subject; }
    :   { subject = takeMembershipSubject(); }
        (   ( boundExpression ( DOTDOT | MINMIN ) ) =>
            rangeBounds
            { completeRangeTest(subject); }
        |   bitOrExpression
            { completeListTest(subject); }
        )
    ;

// Operands joined by "|", "^", "&", "<<", ">>", "+", "-", "*", "/" and
// "mod", by precedence on one chain. PHP 8 ranks "." below "<<" and ">>"
// (and "-"): a shift operand that ends in a join of texts is put in
// parentheses. The operator word of "*", "/" and "mod" is kept per
// operation: an operand in parentheses has operators of its own.
bitOrExpression
{ TermChain chain(*this); }
    :   { chain.open(); }
        (   signedOperand
        |   unaryExpression
        |   postfixExpression
        )
        (   { beginTermOperator(chain); }
            termOperator
            { chain.openRightOperand(); }
            (   signedOperand
            |   unaryExpression
            |   postfixExpression
            )
            { chain.completeRightOperand(); }
        )*
        { chain.close(); }
    ;

// An operand with its signs, "~" or "not" before it. The operand chains
// take the three forms at once: a plain operand costs no rule of its own.
signExpression
    :   signedOperand
    |   unaryExpression
    |   postfixExpression
    ;

signedOperand
{ OperandSigns signs(*this); }
    :   (   (   plusOperator
            |   minusOperator
            )
            { signs.add(); }
        )+
        { signs.markStart(); }
        (   unaryExpression
        |   postfixExpression
        )
        { signs.complete(); }
    ;

// "not" and "~" nest without a primary operand in between: each counts.
unaryExpression
{ PrefixedOperand operand(*this); }
    :   (   bitNotOperator
        |   notOperator
        )
        { operand.markStart(); }
        signExpression
        { operand.complete(); }
    ;

// Operator rules: the token, an optional line end (the expression goes on
// on the next line), and the PHP operator.
orOperator
    :   "or" ( lineEnd | )
        { exprAppendText("||"); }
    ;

andOperator
    :   "and" ( lineEnd | )
        { exprAppendText("&&"); }
    ;

shiftLeftOperator
    :   SHIFT_LEFT ( lineEnd | )
        { exprAppendText("<<"); }
    ;

shiftRightOperator
    :   SHIFT_RIGHT ( lineEnd | )
        { exprAppendText(">>"); }
    ;

plusOperator
    :   PLUS ( lineEnd | )
        { appendSign('+'); }
    ;

minusOperator
    :   MINUS ( lineEnd | )
        { appendSign('-'); }
    ;

// The operators of a term chain. "&", "^" and "|" write theirs when their
// operation completes.
termOperator
    :   productOperator
    |   plusOperator
    |   minusOperator
    |   shiftLeftOperator
    |   shiftRightOperator
    |   listOperator
    ;

listOperator
    :   (   AND_BIN
        |   XOR_BIN
        |   OR_BIN
        )
        ( lineEnd | )
    ;

// "*", "/" and "mod", with the operator word of the operation.
productOperator
    :   { appendProductOperator(); }
        (   MUL
        |   DIV
        |   "mod"
        )
        ( lineEnd | )
    ;

bitNotOperator
    :   NOT_BIN ( lineEnd | )
        { exprAppendText("~"); }
    ;

notOperator
    :   "not" ( lineEnd | )
        { exprAppendText("!"); }
    ;

// An opening parenthesis and an optional line end; the callers write "(".
leftParen
    :   LEFTPAR
        (   lineEnd
        |
        )
    ;

// The same, opening an expression level for what it encloses.
innerLeftParen
    :   { pushExpression(); }
        leftParen
    ;

// ---------------------------------------------------------------------------
// Operands

postfixExpression
    :   ( ID LEFTPAR ) => callOperand
    |   ( literalToken DOT ) => literalMethodOperand
    |   { memberCallAhead() }? ( ID ) => memberCallOperand
        // An attribute access or indexed name, on a level of its own.
        // The gate spares the trial, and its exception, for a plain name.
    |   { memberStepAhead() }? ( ID ( DOT | LEFTSQUARE ) ) =>
        { pushExpression(); }
        memberChain
        { popExpressionAppend(); }
    |   ( ATCHAR ID ) => silentCallOperand
    |   primaryExpression
    ;

// ---------------------------------------------------------------------------
// Calls. Each call operand has a call frame of its own.

callOperand
{ CallFrameGuard frame(*this); }
    :   functionCall
    ;

literalMethodOperand
{ CallFrameGuard frame(*this); }
    :   literalMethodCall
    ;

memberCallOperand
{ CallFrameGuard frame(*this); }
    :   objectMemberChain
    ;

silentCallOperand
{ CallFrameGuard frame(*this); }
    :   ATCHAR { markSilentCall(); }
        functionCall
    ;

// A name and its arguments: a predefined function, a class (its
// constructor), a user function or method, a function-typed value, or an
// unknown name written as called. A bad call is reported and gives back
// what it changed.
functionCall
{ FunctionCallRule call(*this); }
    :   name:ID { beginFunctionCall(call, text(name), tokensAhead()); }
        leftParen
        { openCallArguments(call); }
        argumentList
        RIGHTPAR
        { finishFunctionCall(call); }
    ;
    exception
    catch [antlr::ANTLRException& ex] { abandonBadCall(call); }

// The arguments between the parentheses of a call, a member call or a
// super-constructor call.
argumentList
    :   { beginArgumentList(); }
        argument
        (   commaSeparator
            argument
        )*
        { endArgumentList(); }
    |   { emptyArgumentList(); }
    ;

argument
{ bool alias = false; }
    :   { beginArgument(); }
        (   "alias" { alias = true; }
        |
        )
        expression
        { finishArgument(alias); }
    ;

// A literal and the methods called on it.
literalMethodCall
{ ChainSteps steps(*this); }
    :   literalValue
        { beginLiteralChain(); }
        (   DOT
            { steps.add(); }
            memberElement
        )+
        { finishCallChain(); }
    ;

// Segments of a reference, then the methods called on it and the
// attributes read from their results; each step is the next one's receiver.
objectMemberChain
{ ChainSteps steps(*this); }
    :   { beginObjectChain(); }
        identifierReference
        { steps.addSegment(); }
        DOT
        (   { joinChainSegment(); }
            identifierReference
            { steps.addJoinedSegment(); }
            DOT
        )*
        { beginChainCalls(); steps.add(); }
        memberElement
        (   DOT
            { steps.add(); }
            (   memberElement
            |   attribute:ID { readResultAttribute(text(attribute)); }
            )
        )*
        { finishCallChain(); }
    ;

// One method call of a chain, on the receiver in codeBuffer; its text is
// left there.
memberElement
{ CallRule call(*this); }   // its nesting: the chain counts it
    :   name:ID { beginMemberCall(call, text(name)); }
        leftParen
        { openMemberCall(call, tokensAhead()); }
        argumentList
        RIGHTPAR
        { finishMemberCall(call); }
    ;
    exception
    catch [antlr::ANTLRException& ex] { abandonBadCall(call); }

primaryExpression
{ NestedOperand operand(*this); }
    :   literal
    |   keywordValue
    |   "this" { appendThis(); }
    |   memberName
    |   phpReference
    |   phpConstant
    |   innerLeftParen
        expression
        RIGHTPAR
        { closeParenthesizedOperand(); }
        // The literal predicates look at tokens only: a predicate that
        // parsed the first element would parse nested literals again at
        // every level, in time exponential in the nesting.
    |   ( LEFTSQUARE ( EOL )? operandStartToken ) => arrayLiteral
    |   ( "array" LEFTPAR ) => arrayLiteral
    |   ( LEFTCURLY ( EOL )? primaryStartToken ) => dictLiteral
    |   ( "dict" LEFTPAR ) => dictLiteral
    |   ( variableType LEFTPAR ) => typeConversion
    |   LEFTSQUARE RIGHTSQUARE { appendKeywordValue("array()", typeArray); }
    |   LEFTCURLY RIGHTCURLY { appendKeywordValue("array()", typeDict); }
    ;

// "true", "false", "null", "nil" (no text) and "zero", with their types.
keywordValue
    :   { appendKeywordConstant(); }
        (   "true"
        |   "false"
        |   "null"
        |   "nil"
        |   "zero"
        )
    ;

// A name written between "$(" and ")": the bare name, an integer.
phpConstant
    :   c:PHPCONSTANT { appendPhpConstant(text(c)); }
    ;

// A PHP variable written as such, with its indexes; no lookup, type var.
phpReference
{ RuleSteps steps(*this); }   // each index encloses the text before it
    :   p:PHPID { appendPhpName(text(p)); }
        (   { steps.add(); }
            indexOpen boundExpression indexClose
        )*
    ;

indexOpen
    :   LEFTSQUARE
        (   lineEnd
        |
        )
        { exprAppendChar('['); }
    ;

indexClose
    :   RIGHTSQUARE { closePhpIndex(); }
    ;

commaSeparator
    :   COMMA
        (   lineEnd
        |
        )
        { exprAppendComma(); }
    ;

// The target of an assignment or an input: a member chain (with indexes,
// slices and "[]" in their assignment forms), a name or a PHP name.
lvalue
    :   { beginAssignTarget(); }
        (   { memberStepAhead() }? ( ID ( DOT | LEFTSQUARE ) ) => memberChain
        |   memberName { markWholeArrayTarget(); }
        |   phpReference
        )
        { finishAssignTarget(); }
    ;

// ---------------------------------------------------------------------------
// References

// Segments joined by "->", or by "::" after a class name.
memberChain
{ RuleSteps steps(*this); }   // each join and each segment's brackets enclose the text before them
    :   { beginMemberChain(); }
        identifierReference
        { steps.addSegment(); }
        (   { joinMemberChain(); }
            DOT
            identifierReference
            { steps.addJoinedSegment(); }
        )*
        { finishMemberChain(); }
    ;

// A name alone.
memberName
    :   name:ID { appendMemberName(text(name)); }
    ;

// One segment of a reference: a name and its brackets (index, slice,
// current element), built in codeBuffer. A bound is built on a level of
// its own, with the segment's state saved around it.
identifierReference
{ ReferenceSegment segment(*this); }
    :   name:ID { beginSegment(text(name)); }
        (   { !plainSliceAhead() }? ( LEFTSQUARE boundExpression RIGHTSQUARE ) =>
            { segment.openBound(); }
            LEFTSQUARE boundExpression RIGHTSQUARE
            { closeIndexBound(segment); }
        |   ( LEFTSQUARE ( boundExpression )? ( DOTDOT | MINMIN ) ) =>
            { segment.openSlice(); }
            LEFTSQUARE
            (   rangeOperator
            |   boundExpression { takeSliceStart(); }
                rangeOperator
            )
            (   boundExpression { takeSliceEnd(); }
            )?
            RIGHTSQUARE
            { closeSliceBound(segment); }
        |   LEFTSQUARE RIGHTSQUARE
            { segment.takeCurrentElement(); }
        )*
        { segment.finish(); }
    ;

// ---------------------------------------------------------------------------
// Literals

literal
    :   realLiteral
    |   integerLiteral
    |   stringLiteral
        (   // Strings on consecutive lines are one text.
            options { greedy = true; }
        :   newLine { exprAppendText("."); }
            stringLiteral
        )*
    |   templateLiteral
    ;

integerLiteral
    :   i:INTEGER { appendIntegerLiteral(text(i)); }
    ;

realLiteral
    :   r:REAL_LITERAL { appendRealLiteral(text(r)); }
    ;

stringLiteral
    :   s:STRING_LITERAL { appendStringLiteral(text(s)); }
    ;

templateLiteral
    :   t:TEMPLATE { appendTemplate(text(t)); }
    ;

// A literal taken as a value: its text in currentIdentifier, nothing written.
literalValue
    :   { takeLiteralToken(); }
        (   REAL_LITERAL
        |   INTEGER
        |   STRING_LITERAL
        )
    ;

literalToken
    :   REAL_LITERAL
    |   STRING_LITERAL
    |   INTEGER
    ;

// One token that can begin an operand, or a primary operand; for predicates.
operandStartToken
    :   PLUS | MINUS | NOT_BIN | "not" | ATCHAR
    |   primaryStartToken
    ;

primaryStartToken
    :   ID | REAL_LITERAL | INTEGER | STRING_LITERAL | TEMPLATE | LEFTPAR | LEFTSQUARE
    |   LEFTCURLY | PHPID | PHPCONSTANT | "zero" | "nil" | "true" | "false" | "null"
    |   "this" | "void" | "bool" | "boolean" | "byte" | "number" | "int" | "real"
    |   "integer" | "natural" | "var" | "array" | "dict" | "file" | "dir" | "text"
    |   "cstring" | "function" | "object"
    ;

arrayLiteral
options { defaultErrorHandler = true; }
{ ExpressionLevelScope levels; }   // the handler leaves no level behind
    :   arraySquareList
    |   "array" { currentType = typeArray; } arrayParenList
    ;

arrayParenList
{ int elements = 0; }
    :   innerLeftParen
        (   arrayElement { ++elements; }
            ( commaSeparator arrayElement { ++elements; } )*
            (   { !atTooDeepStop() }? lineEnd
            )?
        |
        )
        RIGHTPAR
        { closeArrayParenList(elements); }
    ;

arraySquareList
    :   { pushExpression(); }
        leftSquare
        (   arrayElement
            ( commaSeparator arrayElement )*
            (   { !atTooDeepStop() }? lineEnd
            )?
        |
        )
        RIGHTSQUARE
        { closeArrayLiteral(); }
    ;

arrayElement
    :   innerExpression
        { appendNestedValue(); }
    ;

leftSquare
    :   LEFTSQUARE
        (   lineEnd
        |
        )
    ;

dictLiteral
options { defaultErrorHandler = true; }
{ ExpressionLevelScope levels; }   // the handler leaves no level behind
    :   dictCurlyList
    |   "dict" { currentType = typeDict; } dictParenList
    ;

dictParenList
    :   innerLeftParen
        (   dictPair
            ( commaSeparator dictPair )*
            (   { !atTooDeepStop() }? lineEnd
            )?
        |
        )
        RIGHTPAR
        { closeDictLiteral(); }
    ;

dictCurlyList
    :   { pushExpression(); }
        leftCurly
        (   dictPair
            ( commaSeparator dictPair )*
            (   { !atTooDeepStop() }? lineEnd
            )?
        |
        )
        RIGHTCURLY
        { closeDictLiteral(); }
    ;

dictPair
{ int start = exprLength(); }
    :   primaryExpression
        { appendDictKey(start); }
        COLON
        innerExpression
        { appendNestedValue(); }
    ;

leftCurly
    :   LEFTCURLY
        (   lineEnd
        |
        )
    ;

// A type keyword applied to values in parentheses: a conversion of one
// value, or a typed array built from several.
typeConversion
    :   variableType
        { beginConversion(); }
        (   LEFTPAR RIGHTPAR
            { writeEmptyConversionList(); }
            // One value up to the closing parenthesis (a token scan, not a
            // trial parse, for the same reason as the literal predicates).
        |   { singleValueInParentheses() }?
            LEFTPAR conversionCall RIGHTPAR
        |   LEFTPAR arrayConstructorArgs RIGHTPAR
        )
        { finishConversion(); }
    ;

// A conversion inside the value sets the list flag for itself: the flag
// this conversion chose comes back after the value.
conversionCall
{ int listResult = 0; }
    :   { listResult = openConversionValue(); }
        expression
        { closeConversionValue(listResult); }
    ;

arrayConstructorArgs
    :   { openTypedArrayValues(); }
        expression
        { appendTypedArrayValue(); }
        (   commaSeparator
            innerExpression
            { appendTypedArrayValue(); }
        )+
        { closeTypedArrayValues(); }
    ;

// ---------------------------------------------------------------------------
// Bound expressions (indexes, slices, ranges): sums and products of simple
// operands, no comparisons and no logical or bit operators.

boundExpression
    :   boundTerm
        (   { pushLeftType(); }
            (   minusOperator
            |   plusOperator
            )
            boundTerm
            { checkBoundOperands(Msg::wordAddSubtract); }
        )*
    ;

boundTerm
{ Msg word = Msg::unknownError; }
    :   boundOperand
        (   { pushLeftType(); }
            productOperator
            { word = operatorWord; }
            boundOperand
            { checkBoundOperands(word); }
        )*
    ;

boundOperand
{ NestedOperand operand(*this); }
    :   minusOperator boundOperand
    |   plusOperator boundOperand
    |   innerLeftParen
        boundExpression
        RIGHTPAR
        { popExpressionParenthesized(); }
    |   integerLiteral
    |   stringLiteral
    |   phpReference
    |   { appendKeywordConstant(); } "zero"
    |   ( ID LEFTPAR ) => callOperand
    |   ( literalToken DOT ) => literalMethodOperand
    |   ( ID ( DOT ID )* LEFTPAR ) => memberCallOperand
    |   ( ID DOT ID ) => boundMemberAccess
    |   memberName
    ;

// A member access: a name, then members, not called.
boundMemberAccess
{ RuleSteps steps(*this); }   // each join encloses the text before it
    :   first:ID { beginMemberAccess(text(first)); }
        (   DOT member:ID { steps.add(); memberAccessStep(text(member)); }
        )+
        { exprAppend(codeBuffer); }
    ;

rangeOperator
    :   { takeRangeOperator(); }
        (   DOTDOT
        |   MINMIN
        )
    ;

rangeBounds
    :   boundExpression
        rangeOperator
        { takeTestRangeStart(); }
        boundExpression
        { takeTestRangeEnd(); }
    ;

// ---------------------------------------------------------------------------
// Type keywords

// The type keywords: the type code of each is the keyword's, from the
// table that the method heads read too (keywordTypeCode).
declarationType
    :   { beginKeywordType(false); }
        (   "void"
        |   "byte"
        |   booleanType
        |   "number"
        |   "int"
        |   "integer"
        |   "real"
        |   "natural"
        |   "text"
        |   "array"
        |   "dict"
        |   "file"
        |   "dir"
        |   "object"
        |   "var"
        |   "function"
        |   "cstring"
        |   "char"
        )
    ;

// The same without "char", which is no parameter type.
variableType
    :   { beginKeywordType(true); }
        (   "void"
        |   "byte"
        |   booleanType
        |   "number"
        |   "int"
        |   "integer"
        |   "real"
        |   "natural"
        |   "text"
        |   "array"
        |   "dict"
        |   "file"
        |   "dir"
        |   "object"
        |   "var"
        |   "function"
        |   "cstring"
        )
    ;

booleanType
    :   "bool"
    |   "boolean"
    ;
