#include "parser/class_actions.h"

#include <algorithm>
#include <deque>
#include <string>
#include <unordered_map>

#include "VelandroTokenTypes.hpp"
#include "emit/calls.h"
#include "emit/emit.h"
#include "parser/declaration_actions.h"
#include "parser/function_actions.h"
#include "parser/state.h"
#include "semantic/php_names.h"
#include "semantic/semantic.h"

namespace {
int classOpen = 0;
int classBodyOpen = 0;
std::string instanceName;
std::string instanceValue;
bool instanceAtClassLevel = false;

struct BareCall {
    std::string name;
    int line;
};

// The classes this file declares, in order, with what the check of a
// parent declared further down needs at the file's end.
struct FileClass {
    ClassRecord* record;
    int line;
    bool parentLater = false;   // its parent was no class yet at its head
    // its own constructor, begun before the parent was known, and whether
    // it calls the parent's
    int constructorLine = 0;
    bool constructorCallsSuper = false;
    struct SuperCall {
        int line;
        std::vector<int> argumentTypes;
    };
    std::vector<SuperCall> superCalls;
    std::vector<BareCall> bareCalls;   // of names its parent may have
};
std::vector<FileClass> fileClasses;

// classDeclaration: the entry of the class being declared, if any
FileClass* openFileClass()
{
    if (fileClasses.empty() || fileClasses.back().record != symbolTable.currentClass)
        return nullptr;
    return &fileClasses.back();
}

// classHead: the class enters the file's list, with its line
void noteFileClass()
{
    fileClasses.push_back({symbolTable.currentClass, lineNumber});
}
}

// --- Classes

// sourceFile, webPage: at the start, no class open
// writes nothing; forgets the classes and the heads read ahead
void resetClassState()
{
    classOpen = 0;
    classBodyOpen = 0;
    forgetMethodsDefinedLater();
    fileClasses.clear();
}

// classDeclaration: "class" classHead ...
// writes: a line end and "class "
void beginClassHead()
{
    currentType = typeClass;
    emitText("\nclass ");
}

// classHead: className, before ("is" className)?
// writes nothing; declares the class and opens its record (no parent yet);
// checks: PHP has no class or word of that name ("already declared in builtins")
void openClass()
{
    if (isPhpOwnClassName(currentIdentifier))
        reportAlreadyDeclaredIn(Msg::scopeBuiltins);
    declareVariable(0);
    symbolTable.beginClass(currentIdentifier);
    noteFileClass();
    headerLines.clear();
    // A class without "is" has no parent, whatever the class before had.
    symbolTable.parentClassName.clear();
    classOpen = 1;
    classBodyOpen = 0;
}

// classHead: after a syntax error in it
// writes nothing; opens the class record unless openClass did
void openClassIfNot()
{
    if (classOpen)
        return;
    symbolTable.beginClass(currentIdentifier);
    noteFileClass();
    headerLines.clear();
    symbolTable.parentClassName.clear();
    classOpen = 1;
    classBodyOpen = 0;
}

// classHead: "is" className
// writes nothing (the rule wrote " extends Parent"); records the parent,
// and marks one not declared yet for the check at the file's end
void setClassParent()
{
    // A parent declared further down is no error here: the file's end
    // checks what PHP makes of it. One PHP defines needs no declaration.
    bool known = symbolTable.isClassName(currentIdentifier);
    symbolTable.setParentClass(currentIdentifier);
    symbolTable.parentClassName = currentIdentifier;
    FileClass* entry = openFileClass();
    if (entry && !known && !isPhpExtendableClass(currentIdentifier))
        entry->parentLater = true;
}

// superConstructorCall, functionDefinition: the open class's parent comes
// further down the file, and is checked at its end
bool parentDeclaredLater()
{
    FileClass* entry = openFileClass();
    return inClass && entry && entry->parentLater &&
           !symbolTable.isClassName(entry->record->parentName);
}

// functionDefinition: a constructor of a class whose parent comes later
// writes nothing; keeps its line for the check at the file's end
void noteConstructorBeforeParent(int line)
{
    if (FileClass* entry = openFileClass())
        entry->constructorLine = line;
}

// superConstructorCall: "super" "(" argumentList ")", the parent coming later
// writes nothing; keeps the argument types for the check at the file's end
void noteSuperCallBeforeParent(const std::vector<int>& argumentTypes)
{
    if (FileClass* entry = openFileClass()) {
        entry->constructorCallsSuper = true;
        entry->superCalls.push_back({lineNumber, argumentTypes});
    }
}

// classDeclaration: classHead, then the members
// writes: a line end and {, one indent deeper
void openClassBody()
{
    emitText("\n{\n");
    indentMore();
    classBodyOpen = 1;
}

// classDeclaration: ... "/class"
// writes: } and then the static attribute lines the class left after it;
// checks: the calls of methods defined further down
void closeClass()
{
    checkCallsOfMethodsDefinedLater();
    indentLess();
    symbolTable.endClass();
    emitText("}\n");
    emitHeaderLines();
    headerLines.clear();
    classOpen = 0;
    classBodyOpen = 0;
}

// classDeclaration: after a syntax error in it
// writes: { where the body was not opened, then closes the class
void closeClassAfterError()
{
    if (!classOpen)
        return;
    if (!classBodyOpen)
        openClassBody();
    closeClass();
}

// --- Instance declarations

// instanceDeclaration: identifierName, before the value
// writes nothing; declares the object as a variable and opens a call frame
// for the constructor
void beginInstance()
{
    currentKind = kindDeclaration;
    declareVariable(symbolAssigned);
    instanceName = currentIdentifier;
    instanceAtClassLevel = atClassLevel();
    instanceValue.clear();
    pushCallFrame();
    currentCall = symbolTable.findConstructor(qualifiedClassName);
    currentCall->argumentTypes.clear();
    currentCall->cursor = 0;
    resetExpressions();
}

// instanceDeclaration: identifierName "=" "null"
// writes nothing; the value is null
void instanceNullValue()
{
    currentType = typeObject;
    instanceValue = "null";
}

// instanceDeclaration: identifierName "=" initializerValue, before the value
// writes nothing; the object is the one target of the assignment
void beginInstanceValue()
{
    instanceValue.clear();
    lvalueText = instanceName;
    referenceAccessKind = accessName;
    initializerTargetType = currentType;
    resetAssignLists();
    addLvalue();
}

// instanceDeclaration: identifierName "=" initializerValue
// writes: $o=value; as an assignment does, and checks the value fits
void finishInstanceValue()
{
    rewindLvalues();
    rewindRvalues();
    translateMultipleAssignment();
}

// instanceDeclaration: identifierName, with no value
// writes nothing; the value is new C(), new Java("x.Y"), array(), or null for
// an object of its own class in a class body
void instanceDefaultValue()
{
    ClassRecord* owner = symbolTable.currentClass;
    if (instanceAtClassLevel && owner && owner->name == qualifiedClassName &&
        !isArrayKind(declaredType)) {
        // An object of its own class made with every object would make
        // another one, without end: it starts as null.
        instanceValue = "null";
        return;
    }
    if (declaredType == typeJava)
        instanceValue = std::string(newPrefix) + "Java(\"" + qualifiedClassName + "\")";
    else if (isArrayKind(declaredType))
        instanceValue = "array()";
    else
        instanceValue = std::string(newPrefix) + qualifiedClassName + "()";
}

// instanceDeclaration: ... assignmentEnd
// writes: $o=value; or, in a class body, var $o=value; (a value PHP takes as
// no constant is set by the constructor)
void finishInstance()
{
    std::string value = instanceValue + currentExpression();
    popCallFrame();
    if (!instanceAtClassLevel) {
        emitString("$" + instanceName + "=" + value + ";\n");
        return;
    }
    emitIndent();
    emitClassAttribute(instanceName, value, staticModifier != 0, !modifierText.empty());
    emitNewline();
}

// --- Methods defined further down the open class

namespace {

using T = VelandroTokenTypes;
constexpr int endOfInput = 1;   // the runtime's EOF type
// The heads are read up to this many tokens ahead: each token passed is held.
constexpr int maxHeadLookahead = 200000;

// TYPE-KEYWORDS: twin of declarationType and variableType in
// parser/VelandroParser.g ("char" is no parameter type).
// (read ahead) the type code of a keyword type
int keywordTypeCode(int token, bool parameter)
{
    switch (token) {
    case T::LITERAL_void: return 1;
    case T::LITERAL_byte: return 2;
    case T::LITERAL_bool: case T::LITERAL_boolean: return 3;
    case T::LITERAL_number: return 4;
    case T::LITERAL_int: case T::LITERAL_integer: return 5;
    case T::LITERAL_real: return 7;
    case T::LITERAL_natural: return 8;
    case T::LITERAL_text: case T::LITERAL_string: return 10;
    case T::LITERAL_array: return 11;
    case T::LITERAL_dict: return 12;
    case T::LITERAL_file: return 13;
    case T::LITERAL_dir: return 14;
    case T::LITERAL_object: return 15;
    case T::LITERAL_var: return 16;
    case T::LITERAL_function: return 21;
    case T::LITERAL_cstring: return 22;
    case T::LITERAL_char: return parameter ? 0 : 22;
    default: return 0;
    }
}

// The type setArrayOfType makes of `type` for one "[]" pair.
int arrayOf(int type)
{
    int savedType = currentType;
    int savedMark = arrayElementsMark;
    currentType = type;
    setArrayOfType(type);
    int result = currentType;
    currentType = savedType;
    arrayElementsMark = savedMark;
    return result;
}

// Reads the tokens of one head from a position on.
class HeadReader {
public:
    HeadReader(const TokenPeek& tokens, int at) : tokens_(tokens), at_(at) {}

    int at() const { return at_; }
    int type(int ahead = 0) const { return tokens_.type(tokens_.source, at_ + ahead); }
    std::string text() const { return tokens_.text(tokens_.source, at_); }
    void next(int count = 1) { at_ += count; }
    bool take(int token)
    {
        if (type() != token)
            return false;
        next();
        return true;
    }
    void takeLineEnd() { take(T::EOL); }

    // A type as the head writes it: a keyword type or a class type, with
    // its "[]" pairs. The class of an object type goes to classIndex,
    // 128 to named for a type named by a define.
    bool readType(bool parameter, int& code, int& classIndex, int& named)
    {
        named = 0;
        classIndex = noClassIndex;
        int token = type();
        code = keywordTypeCode(token, parameter);
        if (code != 0) {
            next();
            while (type() == T::LEFTSQUARE && type(1) == T::RIGHTSQUARE) {
                code = arrayOf(code);
                next(2);
            }
            return true;
        }
        std::string name;
        if (token == T::LITERAL_java || token == T::LITERAL_javax) {
            next();
            if (!take(T::DOT) || type() != T::ID)
                return false;
            next();
            classIndex = javaClassIndex;
        } else if (token == T::ID) {
            name = text();
            next();
        } else {
            return false;
        }
        while (type() == T::DOT && type(1) == T::ID) {
            next();
            name += "." + text();
            next();
        }
        code = typeObject;
        if (!name.empty()) {
            FunctionRecord* savedValue = namedValue;
            int savedIndex = namedValueIndex;
            if (namedValueTable.find(name)) {
                classIndex = namedTypeClassIndex;
                named = parameterNamedType;
            } else {
                classIndex = classTable.indexOf(name);
            }
            namedValue = savedValue;
            namedValueIndex = savedIndex;
        }
        while (type() == T::LEFTSQUARE && type(1) == T::RIGHTSQUARE) {
            code = typeObjectArray;
            next(2);
        }
        return true;
    }

    // One parameter, as functionParameter reads it.
    bool readParameter(FunctionRecord& record)
    {
        int flags = 0;
        take(T::LITERAL_const);
        if (take(T::LITERAL_alias))
            flags |= parameterAlias;
        int code = 0, classIndex = noClassIndex, named = 0;
        if (!readType(true, code, classIndex, named))
            return false;
        if (named)
            code = typeFunction;
        if (take(T::LITERAL_alias))
            flags |= parameterAlias;
        if (!take(T::ID))
            return false;
        while (type() == T::LEFTSQUARE && type(1) == T::RIGHTSQUARE)
            next(2);
        if (take(T::EQUAL)) {
            flags |= parameterDefaulted;
            if (!skipDefault())
                return false;
        }
        record.parameterTypes.push_back(code | named | flags);
        record.parameterClassIndex.push_back(classIndex);
        record.parameterAcceptsObject.push_back(0);
        record.functionParameters.push_back(nullptr);
        return true;
    }

private:
    // A default value: up to the "," or ")" that ends it, on its line.
    bool skipDefault()
    {
        int depth = 0;
        for (;;) {
            int token = type();
            if (token == T::EOL || token == endOfInput || token == T::SLASHCLASS ||
                token == T::CLOSEVEL || token < 0)
                return false;
            if (depth == 0 && (token == T::COMMA || token == T::RIGHTPAR))
                return true;
            if (token == T::LEFTPAR || token == T::LEFTSQUARE || token == T::LEFTCURLY)
                ++depth;
            else if (token == T::RIGHTPAR || token == T::RIGHTSQUARE || token == T::RIGHTCURLY)
                --depth;
            next();
        }
    }

    const TokenPeek& tokens_;
    int at_;
};

// (read ahead) modifier: "static" | "private" | "protected" | "volatile" | "const"
bool isModifier(int token)
{
    return token == T::LITERAL_static || token == T::LITERAL_private ||
           token == T::LITERAL_protected || token == T::LITERAL_volatile ||
           token == T::LITERAL_const;
}

// (read ahead) functionDefinition: (modifier)* typeSpec (comma typeSpec)* ID "(" ...
// A head at the start of a line; false when the line begins none.
bool readHead(HeadReader& reader, MethodHead& head)
{
    uint32_t staticMark = 0;
    while (isModifier(reader.type())) {
        if (reader.type() == T::LITERAL_static)
            staticMark = symbolStatic;
        reader.next();
    }
    int code = 0, classIndex = noClassIndex, named = 0;
    if (!reader.readType(false, code, classIndex, named))
        return false;
    std::vector<int> results{code};
    int resultClass = code == typeObject ? classIndex : -1;
    while (reader.take(T::COMMA)) {
        reader.takeLineEnd();
        if (!reader.readType(false, code, classIndex, named))
            return false;
        results.push_back(code);
    }
    if (reader.type() != T::ID || reader.type(1) != T::LEFTPAR)
        return false;
    FunctionRecord* record = new FunctionRecord(reader.text());
    record->staticMark = staticMark;
    record->returnTypes = results;
    record->resultClassIndex = resultClass;
    reader.next(2);
    head.record = record;
    head.parametersRead = false;
    if (reader.take(T::RIGHTPAR)) {
        head.parametersRead = true;
        return true;
    }
    while (reader.readParameter(*record)) {
        if (reader.take(T::RIGHTPAR)) {
            head.parametersRead = true;
            return true;
        }
        if (!reader.take(T::COMMA))
            break;
        reader.takeLineEnd();
    }
    return true;
}

// The heads read for the open class, and the calls made through them.
const ClassRecord* headsOwner = nullptr;
// Kept in place for the whole class: a call holds its head while the
// heads are read again for a call in its arguments.
std::deque<MethodHead> laterMethods;
// The first head of each name, of the latest reading: a class may have
// thousands.
std::unordered_map<std::string, const MethodHead*> laterMethodsByName;
// A reading that stopped at its limit, and where it began: the heads are
// read again once the parse is half way through what it covered.
bool headsCut = false;
int headsLine = 0;
int headsLineEnds = 0;
struct LaterCall {
    MethodHead head;
    std::vector<int> argumentTypes;
    int line;
};
std::vector<LaterCall> laterCalls;
// Bare calls in the open class's methods of names nothing defined yet.
std::vector<BareCall> bareCalls;

}  // namespace

// (read ahead) the method heads of the open class, from the next token up to
// its "/class", so that a method can be called above its definition
MethodHeads readMethodHeads(const TokenPeek& tokens)
{
    MethodHeads heads;
    std::vector<MethodHead>& found = heads.heads;
    bool lineStart = false;
    heads.cut = true;
    for (int i = 1; i < maxHeadLookahead;) {
        int token = tokens.type(tokens.source, i);
        if (token < 0 || token == endOfInput || token == T::SLASHCLASS || token == T::CLOSEVEL) {
            heads.cut = false;
            break;
        }
        if (token == T::EOL || token == T::SEMI) {
            if (token == T::EOL)
                ++heads.lineEnds;
            lineStart = true;
            ++i;
            continue;
        }
        if (!lineStart) {
            ++i;
            continue;
        }
        lineStart = false;
        HeadReader reader(tokens, i);
        MethodHead head;
        if (readHead(reader, head))
            found.push_back(head);
        for (int j = i; j < reader.at(); ++j)
            if (tokens.type(tokens.source, j) == T::EOL)
                ++heads.lineEnds;
        i = reader.at() > i ? reader.at() : i + 1;
    }
    return heads;
}

// functionCall: a bare call, in a method, of one of the open class's methods
// defined further down
// writes nothing; reads the heads ahead once a class (again when they were cut)
const MethodHead* methodDefinedLater(const std::string& name, const TokenPeek* tokens)
{
    ClassRecord* owner = symbolTable.currentClass;
    if (!inClass || !owner)
        return nullptr;
    bool stale = headsOwner != owner || (headsCut && lineNumber >= headsLine + headsLineEnds / 2);
    if (stale && tokens) {
        if (headsOwner != owner)
            forgetMethodsDefinedLater();
        headsOwner = owner;
        MethodHeads heads = readMethodHeads(*tokens);
        headsCut = heads.cut;
        headsLine = lineNumber;
        headsLineEnds = heads.lineEnds;
        laterMethodsByName.clear();
        for (const MethodHead& head : heads.heads) {
            laterMethods.push_back(head);
            laterMethodsByName.emplace(head.record->name, &laterMethods.back());
        }
    }
    if (headsOwner != owner)
        return nullptr;
    auto head = laterMethodsByName.find(name);
    return head == laterMethodsByName.end() ? nullptr : head->second;
}

// functionCall, memberElement: a call of a method defined further down
// writes nothing; keeps its argument types for the check at "/class"
void noteCallOfMethodDefinedLater(const MethodHead& head, int line)
{
    laterCalls.push_back({head, head.record->argumentTypes, line});
}

// functionCall: a bare call, in a method, of a name nothing defines yet
// writes nothing; checked at "/class" against the class's own methods
void noteBareCallInClass(const std::string& name, int line)
{
    bareCalls.push_back({name, line});
}

namespace {
// The checks of a call made against a head read ahead still hold.
bool sameSignature(const FunctionRecord& a, const FunctionRecord& b)
{
    return a.parameterTypes == b.parameterTypes && a.returnTypes == b.returnTypes &&
           (a.staticMark != 0) == (b.staticMark != 0);
}
}

// classDeclaration: at "/class"
// checks: each method called before its definition exists (code 33) and takes
// the call's arguments; a bare call of a method ("cannot be used here", 49)
void checkCallsOfMethodsDefinedLater()
{
    ClassRecord* owner = symbolTable.currentClass;
    // the first method of each name, as findMethod finds it
    std::unordered_map<std::string, FunctionRecord*> methods;
    if (owner && (!laterCalls.empty() || !bareCalls.empty()))
        for (FunctionRecord* method : owner->methods)
            methods.emplace(method->name, method);
    int line = lineNumber;
    for (const LaterCall& call : laterCalls) {
        lineNumber = call.line;
        auto found = methods.find(call.head.record->name);
        if (found == methods.end()) {
            reportErrorName(Msg::methodNotFound, call.head.record->name);
            continue;
        }
        FunctionRecord* method = found->second;
        if (call.head.parametersRead && sameSignature(*method, *call.head.record))
            continue;
        std::vector<int> latest = method->argumentTypes;
        method->argumentTypes = call.argumentTypes;
        method->checkArguments(true);
        method->argumentTypes = latest;
    }
    // a method whose head was not read ahead: its call was written as a
    // function's, which PHP would not find
    FileClass* entry = parentDeclaredLater() ? openFileClass() : nullptr;
    for (const BareCall& call : bareCalls) {
        if (methods.count(call.name) == 0) {
            // the parent declared further down may have it
            if (entry)
                entry->bareCalls.push_back(call);
            continue;
        }
        lineNumber = call.line;
        reportErrorName(Msg::cannotBeUsedHere, call.name);
    }
    lineNumber = line;
    forgetMethodsDefinedLater();
}

// classDeclaration: at "/class", and at the file's start
void forgetMethodsDefinedLater()
{
    laterCalls.clear();
    bareCalls.clear();
    laterMethods.clear();
    laterMethodsByName.clear();
    headsOwner = nullptr;
    headsCut = false;
}

// --- Parents declared further down

namespace {
// Whether the chain above a class, walked silently, has a method of that
// name (PHP's own class at its end included).
bool chainHasMethod(const ClassRecord* record, const std::string& name)
{
    std::vector<const ClassRecord*> seen;
    while (record && std::find(seen.begin(), seen.end(), record) == seen.end()) {
        seen.push_back(record);
        if (const_cast<ClassRecord*>(record)->findMethod(name) >= 0)
            return true;
        if (record->parentName.empty())
            return false;
        int index = classTable.indexOf(record->parentName);
        if (index < 0)
            return isPhpExtendableClass(record->parentName) &&
                   findPhpMethod(record->parentName, name).found;
        record = classTable[static_cast<size_t>(index)];
    }
    return false;
}

// Whether PHP declares the class as it compiles the file, before any of it
// runs: a class of the file with no parent, or with a parent PHP defines,
// or with such a class of the file, declared above it, for parent. Any
// other class is declared where its text stands, as the file runs.
bool declaredWhenCompiled(const ClassRecord* record,
                          const std::unordered_map<const ClassRecord*, size_t>& positions)
{
    for (size_t steps = 0; steps <= fileClasses.size(); ++steps) {
        auto position = positions.find(record);
        if (position == positions.end())
            return false;
        if (record->parentName.empty())
            return true;
        int index = classTable.indexOf(record->parentName);
        if (index < 0)
            return isPhpExtendableClass(record->parentName);
        const ClassRecord* parent = classTable[static_cast<size_t>(index)];
        // an extern class: PHP's own, or one a library declares as it runs
        if (parent->typeCode != typeClass)
            return isPhpExtendableClass(parent->name);
        auto parentPosition = positions.find(parent);
        if (parentPosition == positions.end() || parentPosition->second >= position->second)
            return false;
        record = parent;
    }
    return false;
}

// (file's end) a member of a class PHP fixes ("already declared in builtins")
void reportPhpMember(const std::string& name)
{
    std::string saved = codeBuffer;
    setCodeBuffer(name);
    reportAlreadyDeclaredIn(Msg::scopeBuiltins);
    setCodeBuffer(saved);
}

// (file's end) checks: the parent exists (29) and is declared when PHP needs it,
// the members, constructor and super calls it makes PHP refuse (49, 74)
// A class whose parent came further down the file, now that the file is
// read: see checkClassParents.
void checkLaterParent(const FileClass& entry,
                      const std::unordered_map<const ClassRecord*, size_t>& positions)
{
    const ClassRecord* record = entry.record;
    const std::string parent = record->parentName;
    lineNumber = entry.line;
    int index = classTable.indexOf(parent);
    if (index < 0) {
        reportErrorName(Msg::classNotDefined, parent);
        return;
    }
    if (!declaredWhenCompiled(classTable[static_cast<size_t>(index)], positions)) {
        reportErrorName(Msg::cannotBeUsedHere, parent);
        return;
    }
    for (const Symbol* attribute : record->attributes)
        if (symbolTable.inheritsPhpAttribute(record, *attribute))
            reportPhpMember(attribute->name.str());
    for (const FunctionRecord* method : record->methods)
        if (method->name != record->name && symbolTable.inheritsPhpMethod(record, method->name))
            reportPhpMember(method->name);
    // the parent's generated constructor, which a constructor begins with
    if (entry.constructorLine && !entry.constructorCallsSuper && runsGeneratedConstructor(parent)) {
        lineNumber = entry.constructorLine;
        reportErrorName(Msg::cannotBeUsedHere, parent);
    }
    for (const FileClass::SuperCall& call : entry.superCalls) {
        lineNumber = call.line;
        if (!classHasConstructor(parent)) {
            reportErrorName(Msg::cannotBeUsedHere, parent);
            continue;
        }
        FunctionRecord* constructor = symbolTable.findConstructor(parent);
        if (constructor->name == unknownName)
            constructor->name = parent;
        std::vector<int> latest = constructor->argumentTypes;
        constructor->argumentTypes = call.argumentTypes;
        constructor->checkArguments(true);
        constructor->argumentTypes = latest;
    }
    for (const BareCall& call : entry.bareCalls) {
        if (!chainHasMethod(record, call.name))
            continue;
        lineNumber = call.line;
        reportErrorName(Msg::cannotBeUsedHere, call.name);
    }
}
}  // namespace

// sourceFile, webPage: at the file's end
// checks: each class whose parent came further down (see checkLaterParent)
void checkClassParents()
{
    bool any = false;
    for (const FileClass& entry : fileClasses)
        any = any || entry.parentLater;
    if (!any)
        return;
    std::unordered_map<const ClassRecord*, size_t> positions;
    for (size_t i = 0; i < fileClasses.size(); ++i)
        positions.emplace(fileClasses[i].record, i);
    int line = lineNumber;
    for (const FileClass& entry : fileClasses)
        if (entry.parentLater)
            checkLaterParent(entry, positions);
    lineNumber = line;
}

// memberElement: o.m() or C.m(), o of the open class or C it, m defined further down
// writes nothing; the head read ahead, or none
const MethodHead* laterMethodOfClass(const std::string& className, const std::string& name,
                                     const TokenPeek* tokens)
{
    ClassRecord* owner = symbolTable.currentClass;
    if (!inClass || !inFunction || !owner)
        return nullptr;
    int index = classTable.indexOf(className);
    if (index < 0 || classTable[static_cast<size_t>(index)] != owner || chainHasMethod(owner, name))
        return nullptr;
    return methodDefinedLater(name, tokens);
}

// --- The steps of the class rules

// className: ID
// writes: the name; it is the current identifier and in codeBuffer
void writeClassName(const std::string& name)
{
    currentIdentifier = name;
    emitText(currentIdentifier);
    setCodeBuffer(currentIdentifier);
}

// declarationType, variableType: a type keyword
// writes: nothing; the keyword's type code, from the table the heads read
int keywordType(int token, bool parameter) { return keywordTypeCode(token, parameter); }
