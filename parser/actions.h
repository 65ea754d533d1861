// Helpers that the grammar's actions call: the start-of-file set-up, the
// completion steps of the operators, and the small text rules of literals.
// They work on the process-wide translation state (semantic/, emit/,
// parser/state.h); none of them depends on ANTLR.
#pragma once

#include <cstdio>
#include <string>

// --- Parser-only state
extern std::string inputPrompt;  // prompt of the input statement, as written, or empty
extern int objectConversion;     // the conversion being ended builds a typed array
// The operand an operator rule just finished holds a bit operation at its top
// level ("a&b"), so PHP needs it parenthesized as a comparison operand.
extern int bitwiseOperand;

// Nesting of the recursive expression rules. Input nested without bound
// would overflow the parser's stack, so an operand deeper than this is a
// syntax error.
constexpr int maxExpressionNesting = 2000;
extern int expressionNesting;
class NestingGuard {
public:
    explicit NestingGuard(bool counts = true) : counts_(counts) { expressionNesting += counts_; }
    ~NestingGuard() { expressionNesting -= counts_; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;
    bool tooDeep() const { return counts_ && expressionNesting > maxExpressionNesting; }

private:
    int counts_;
};

// The steps of a chain that each enclose the text before them in PHP (a
// slice or "[]" after a name, "+" or "-" on arrays, a set operator, a
// sign) nest there as deep as operands do, and PHP's parser has a limit:
// they count towards the same nesting while the rule that chains them runs.
class NestingSteps {
public:
    NestingSteps() = default;
    ~NestingSteps() { expressionNesting -= steps_; }
    NestingSteps(const NestingSteps&) = delete;
    NestingSteps& operator=(const NestingSteps&) = delete;
    // One more step; true when the nesting is now too deep.
    bool add()
    {
        ++steps_;
        ++expressionNesting;
        return expressionNesting > maxExpressionNesting;
    }

private:
    int steps_ = 0;
};

// PHP's parser recurses once for each operator of a chain too, and a long
// enough one (some 60000 "+" in a line) makes it crash: an expression with
// more operators than this is refused like one nested too deeply.
constexpr int maxExpressionOperators = 20000;
extern int expressionOperators;
// One more operator in the expression; true when there are now too many.
inline bool countOperator() { return ++expressionOperators > maxExpressionOperators; }

// --- Start rules
// Resets everything a file's translation starts from; an aborted earlier
// file leaves nothing behind. Sets lineNumber 1, errorCount 0, blockDepth -1.
void resetFileState();
// Opens targetFileName as the output file; a target that cannot be opened is
// a counted diagnostic and the result is false.
bool openTargetFile();

// Closes the output file when the start rule is left, whatever the path.
class OutputFileScope {
public:
    OutputFileScope() = default;
    OutputFileScope(const OutputFileScope&) = delete;
    OutputFileScope& operator=(const OutputFileScope&) = delete;
    ~OutputFileScope();
};

// A page text block "{|" text "|}" without its two marks.
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
// Sets rawText to the PHP text of a template; prints the trace line of an
// interpolated one.
void takeTemplate(const std::string& token);

// --- Literals
void appendIntegerLiteral(const std::string& token);
void appendRealLiteral(const std::string& token);
void appendStringLiteral(const std::string& token);
void appendKeywordValue(const char* text, int type);
// "this", reported outside a class.
void appendThis();

// --- Signs and nil
// Reports an operand a sign (or with bitNot, "~") cannot take; "~" cuts a
// real operand, written from `start`, to an integer.
void checkSignOperand(bool bitNot, int start);
// Appends "+" or "-"; a blank keeps it from merging with a sign just
// written into "++" or "--".
void appendSign(char sign);
// An expression that ended as a bare nil (no text) gets "null", so that no
// PHP operand is left empty.
void fillNilValue(int start);
// The operand of "~": nil gets "0" (PHP refuses "~" on null).
void fillNilBitNot(int start);
// After a binary operator: an empty nil operand takes the default value of
// the other operand's type. leftStart/operatorAt/rightAt are positions in
// the current level's text.
void fillNilOperands(int leftStart, int operatorAt, int rightAt, int left, int right);

// --- Operator completions (right operand parsed, left type still pushed)
void completeLogical(int leftStart, int operatorAt, int rightAt);
void completeArithmetic(int leftStart, int operatorAt, int rightAt, int word);
// True when the operands were enclosed in an array function or the join
// before them in parentheses. `joined` is the chain's own: set when "+" was
// written as a join of texts.
bool completeAdditive(int rightAt, bool& joined);
// Bitwise level: true when a scalar bit operation was written.
bool completeListOperator();
void wrapExpressionFrom(int position);

// --- Comparisons and membership
// Before a comparison operator: a left operand that is itself a comparison
// or a bit operation is parenthesized.
void prepareComparisonLeft(int start, bool compared);
void completeComparison(int start, int operatorAt, int rightAt);
// At "in": takes the subject (the text from start) into the identifier slot
// and the level; returns the text before it, which restoreBeforeTest puts back.
std::string takeTestSubject(int start, bool compared);
void restoreBeforeTest(const std::string& before);
void completeRangeTest(const std::string& subject, int subjectType);
void completeListTest(const std::string& subject, int subjectType);

// --- Print, echo, input
void writePrintList();
void translateInput();

// --- Conversions
// Reports an array converted to a scalar type.
void checkConversionValue();
void openConversionCall();

// --- Types and modifiers
extern int declaredType;     // type of the declared object of a class-typed type
extern int namedTypeFlag;    // 128 after a class type named by a define
// The PHP words of the current declaration's modifiers ("private static ").
// They are written only where PHP accepts them: in a class body, outside
// every function and block.
extern std::string modifierText;
// Start of a declaration: kind 1, no modifier.
void beginDeclaration();
bool atClassLevel();
// A modifier word: written at once at class level, remembered in any case.
void writeModifier(const char* text);
// The class part of a class type (an identifier): named value or class.
void classTypeName(const std::string& name);
void finishClassType();

// --- Variable declarations
extern int declarationKind;            // 1 class field or ordinary, 4 constant
extern int errorCatchingDeclaration;   // the value came after ":="
// A declaration list keeps its type, kind and class for every declarator:
// the value of one declarator must not change the next one's type.
void beginDeclarationList();
void beginDeclarator();
// The name is declared (after identifierName).
void declareDeclarator();
// No value given: the default of the type.
void defaultDeclaratorValue();
void beginConstantDefinition();
void finishConstantDefinition();
// Writes the declarator (after its value, if any).
void finishDeclarator();
// The value just parsed, as a value entry of the assignment lists.
void addInitializerValue();

// --- Assignment statements
void beginAssignment();
// The target type the next value goes to: the target at the same position,
// or the last one when there are more values than targets.
void setValueTargetType();

// --- References
// The part of a reference segment that a bracketed bound may change; a
// bound can hold references of its own.
struct SegmentState {
    int containerType = 0;
    int staticAccessValue = 0;
    int staticFlagValue = 0;
    std::string ownerName;
    int ownerIndex = -1;
    int instanceMember = 0;
    int segmentCount = 0;
    int classIndex = 0;
    int targetMode = 0;
    int seen = 0;
    // Saves the state and reads the bound in read mode.
    void save();
    void restore() const;
};
// The head of a segment: the identifier, looked up (first segment) or
// resolved as a member of the owner class (later segments).
void beginSegment(const std::string& name);
void finishIndex(const std::string& bound);
// A text bound of a slice (its type in currentType), or of an index of a
// text (given), is reported: PHP takes integers there.
void checkIntervalBound();
void checkIndexBound(int boundType);
void finishSlice();
void finishCurrentElement();
void finishReference();
// The name in codeBuffer, as memberName writes it: "$", "$this->" or
// nothing (constants, enumeration items, class-qualified texts).
void prefixNameText();
// The member access of a bound operand: the first name, then each member.
void beginMemberAccess(const std::string& name);
void memberAccessStep(const std::string& name);
