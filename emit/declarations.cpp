#include "emit/declarations.h"

#include <set>
#include <string_view>

#include "emit/code_buffer.h"
#include "emit/functions.h"
#include "emit/output.h"
#include "emit/state.h"
#include "semantic/messages.h"
#include "semantic/php_names.h"
#include "semantic/symbol_table.h"
#include "semantic/types.h"

namespace {
Symbol* inheritedAttribute(const std::string& name);

int visibilityRank(int visibility)
{
    return visibility == visibilityPrivate ? 2 : visibility == visibilityProtected ? 1 : 0;
}

// A parent's attribute declared again: PHP takes it only as static or not
// as before, and at least as visible.
void checkRedeclaredAttribute(const Symbol& attribute)
{
    const std::string name = attribute.name.str();
    if (!symbolTable.isInheritedAttribute(name))
        return;
    Symbol* inherited = inheritedAttribute(name);
    if (!inherited || inherited->visibility == visibilityPrivate)
        return;
    if ((inherited->flags & symbolStatic) != (attribute.flags & symbolStatic) ||
        visibilityRank(attribute.visibility) > visibilityRank(inherited->visibility))
        reportErrorName(Msg::alreadyDeclared, name);
}
}

int declareVariable(int extraFlags)
{
    SymbolTable& table = symbolTable;
    const std::string& name = currentIdentifier;
    Symbol* symbol = new Symbol(name,
                                static_cast<uint32_t>(extraFlags | currentType | staticModifier) |
                                    (currentType == typeArray ? arrayElementsMark : 0),
                                static_cast<uint32_t>(currentKind), currentClassIndex);
    bool added = false;
    // PHP keeps $GLOBALS for itself and refuses to compile an assignment
    // to it; an attribute or a constant may take the name
    bool variable = currentKind == kindDeclaration || currentKind == kindAssignment;
    if (variable && std::string_view(name) == "GLOBALS" && (inFunction || !inClass))
        reportAlreadyDeclaredIn(Msg::scopeBuiltins);
    // define() keeps PHP's own value of a constant PHP has, with a warning
    if (currentKind == kindConstant && isPhpConstantName(name))
        reportAlreadyDeclaredIn(Msg::scopeBuiltins);
    if (inBlockScope) {
        if (table.findIgnoreCase(name) != -1) {
            reportAlreadyDeclaredIn(scopeWordOf(table.foundScope));
        } else {
            table.blockScopes[blockDepth].push_back(symbol);
            added = true;
        }
    } else if (inFunction && !inClass) {
        if (table.findLocalIgnoreCase(name) != -1) {
            reportAlreadyDeclaredIn(Msg::scopeFunction);
        } else if (table.findGlobalIgnoreCase(name) != -1) {
            reportAlreadyDeclaredIn(Msg::scopeGlobal);
        } else {
            table.locals.push_back(symbol);
            added = true;
        }
    } else if (inFunction) {
        if (table.findLocalIgnoreCase(name) != -1) {
            reportAlreadyDeclaredIn(Msg::scopeFunction);
        } else if (table.currentClass && table.currentClass->findAttributeIgnoreCase(name) != -1) {
            reportAlreadyDeclaredIn(Msg::scopeClass);
        } else {
            table.locals.push_back(symbol);
            added = true;
        }
    } else if (inClass) {
        if (table.currentClass && table.currentClass->findAttribute(name) == -1) {
            symbol->visibility = memberVisibility;
            // PHP's own class fixes its members' kinds and types
            if (table.inheritsPhpAttribute(table.currentClass, *symbol))
                reportAlreadyDeclaredIn(Msg::scopeBuiltins);
            checkRedeclaredAttribute(*symbol);
            table.currentClass->addAttribute(symbol);
            added = true;
        } else {
            duplicateNameError();
        }
    } else {
        table.found = table.globals.pushUnlessFolded(symbol);
        if (table.found == -1) {
            added = true;
        } else {
            duplicateNameError();
        }
    }
    if (!added)
        delete symbol;
    return 0;
}

int inParameterList = 0;
int memberVisibility = visibilityPublic;

void emitGlobalDeclaration()
{
    if (inParameterList)
        return;
    std::string line = "global ";
    if (codeBuffer.empty() || codeBuffer[0] != '$')
        line += "$";
    emitString(line + codeBuffer + ";\n");
    newlineState = 1;
    emitIndent();
}

namespace {
// The attribute `name` found along the parent chain of the current class,
// or null (only asked once the chain is known to have it).
Symbol* inheritedAttribute(const std::string& name)
{
    ClassRecord* current = symbolTable.currentClass;
    if (!current || current->parentName.empty())
        return nullptr;
    std::string owner = current->parentName;
    return symbolTable.findAttribute(owner, name);
}
}

bool isStaticMethodName(const std::string& name)
{
    if (!inClass || !symbolTable.currentClass)
        return false;
    std::string className = symbolTable.currentClass->name;
    size_t steps = classTable.size() + 1;
    while (!className.empty() && steps-- > 0) {
        int index = classTable.indexOf(className);
        if (index < 0)
            return false;
        ClassRecord* record = classTable[index];
        int method = record->findMethod(name);
        if (method >= 0)
            return record->methods[method]->staticMark != 0;
        className = record->parentName;
    }
    return false;
}

std::string memberCallPrefix(const std::string& name)
{
    if (isInstanceMember(name))
        return "$this->";
    if (symbolTable.hasLocalNamed(name))
        return "";
    return isStaticMethodName(name) ? "self::" : "";
}

int isInstanceMember(const std::string& name)
{
    if (!inClass)
        return 0;
    SymbolTable& table = symbolTable;
    if (table.hasLocalNamed(name))
        return 0;
    ClassRecord* current = table.currentClass;
    if (!current)
        return 0;
    int attribute = current->findAttribute(name);
    if (attribute >= 0) {
        if (current->attributes[attribute]->flags & symbolStatic)
            return 0;
    } else if (isStaticMethodName(name)) {
        // a static method is called through the class
        return 0;
    } else if (current->findMethod(name) < 0) {
        if (table.isParentClassName(name))
            return 0;
        bool inheritedAttributeFound = table.isInheritedAttribute(name);
        if (!inheritedAttributeFound && !table.isInheritedMethod(name))
            return 0;
        // An inherited static attribute is a class member, not an instance one.
        if (inheritedAttributeFound) {
            Symbol* symbol = inheritedAttribute(name);
            if (symbol && (symbol->flags & symbolStatic))
                return 0;
        }
    }
    // In a method the method's own mark counts: the body's declarations
    // reset the modifier.
    if (inFunction ? staticMethodMarker : staticModifier)
        reportError(Msg::staticUsesDynamicAttribute);
    return 1;
}

static void loadAttribute(const Symbol* attribute)
{
    currentType = static_cast<int>(attribute->flags & symbolTypeMask);
    assignedFlag = static_cast<int>(attribute->flags & symbolAssigned);
    staticFlag = static_cast<int>(attribute->flags & symbolStatic);
    currentKind = static_cast<int>(attribute->kind);
    currentClassIndex = attribute->classIndex;
}

void resolveClassMember()
{
    SymbolTable& table = symbolTable;
    if (!staticFlag) {
        if (currentType != typeObject && currentType != typeVar) {
            reportInstanceRequired(currentIdentifier, typeName(currentType));
            return;
        }
        ownerClassName = ownerClassIndex < 0 ? table.classNameOfInstance(currentIdentifier, true)
                                             : table.className(ownerClassIndex);
    }
    std::string searched = ownerClassName;
    Symbol* attribute = table.findAttribute(ownerClassName, memberName);
    if (!attribute) {
        reportNotDeclared(searched + "." + memberName);
        return;
    }
    table.checkMemberAccess(ownerClassName, attribute->visibility, memberName);
    loadAttribute(attribute);
    ownerClassIndex = attribute->classIndex;
    // A static attribute is reached through its class (Class::$x or
    // self::$x), so no "global" declaration is written for it.
}

int loadClassAttribute(const std::string& name)
{
    Symbol* attribute = inheritedAttribute(name);
    if (!attribute)
        return 0;
    // A parent's private attribute is no attribute of the subclass.
    if (attribute->visibility == visibilityPrivate)
        reportErrorName(Msg::notAccessibleFromClass, name);
    loadAttribute(attribute);
    if (attribute->flags & symbolStatic)
        codeBuffer = "self::$" + stripDollar(std::string(attribute->phpText()));
    return 1;
}

namespace {
// Classes whose constructor this writer generated.
std::set<std::string> generatedConstructors;

std::string shortName(const std::string& name)
{
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(dot + 1);
}

enum class Constructor { none, generated, declared, phpWithArguments, notYetKnown };

// The constructor a class is created through: its own or its nearest
// parent's, generated or declared, or that of a class PHP defines (one
// whose arguments PHP requires apart); not known yet along a chain that
// reaches a class no file has declared so far. The step count stops a
// parent cycle.
Constructor nearestConstructor(std::string name)
{
    size_t steps = classTable.size() + 1;
    while (!name.empty() && steps-- > 0) {
        int index = classTable.indexOf(name);
        if (index < 0) {
            if (!isPhpExtendableClass(name))
                return Constructor::notYetKnown;
            int arguments = phpConstructorArguments(name);
            return arguments < 0    ? Constructor::none
                   : arguments == 0 ? Constructor::declared
                                    : Constructor::phpWithArguments;
        }
        ClassRecord* record = classTable[index];
        if (generatedConstructors.count(record->name))
            return Constructor::generated;
        for (const FunctionRecord* method : record->methods) {
            if (method && (method->name == "__construct" || method->name == record->name ||
                           method->name == shortName(record->name)))
                return Constructor::declared;
        }
        name = record->parentName;
    }
    return Constructor::none;
}
}  // namespace

bool hasGeneratedConstructor(const std::string& className)
{
    return generatedConstructors.count(className) != 0;
}

void forgetGeneratedConstructors() { generatedConstructors.clear(); }

bool runsGeneratedConstructor(std::string name)
{
    return nearestConstructor(std::move(name)) == Constructor::generated;
}

bool classHasConstructor(std::string name)
{
    Constructor nearest = nearestConstructor(std::move(name));
    return nearest != Constructor::none && nearest != Constructor::notYetKnown;
}

void emitGeneratedConstructor(SymbolTable& table)
{
    ClassRecord* current = table.currentClass;
    emitIndented("function __construct()");
    emitIndented("{\n");
    indentMore();
    // (a constructor of PHP's that requires arguments is not called without
    // them; a parent declared further down is asked as the program runs)
    std::string parent = current ? current->parentName : std::string();
    Constructor nearest = parent.empty() ? Constructor::none : nearestConstructor(parent);
    if (nearest == Constructor::generated || nearest == Constructor::declared)
        emitText("parent::__construct();\n");
    else if (nearest == Constructor::notYetKnown)
        emitText("if(method_exists(get_parent_class(__CLASS__),\"__construct\"))"
                 "parent::__construct();\n");
    table.flushConstructorLines();
    if (current)
        generatedConstructors.insert(current->name);
    indentLess();
    emitIndented("}\n");
}

void emitClassAttribute(const std::string& name, const std::string& value, bool isStatic,
                        bool modifiersWritten)
{
    SymbolTable& table = symbolTable;
    bool constant = isConstantExpressionText(value);
    std::string text = modifiersWritten ? "" : "var ";
    text += "$" + name;
    if (constant)
        text += "=" + value;
    emitString(text + ";");
    if (constant)
        return;
    if (isStatic) {
        // After the class "self" names no class: its static attributes are
        // reached through the class's name.
        std::string owner = table.currentClass ? table.currentClass->name : unknownName;
        std::string text = value;
        for (size_t at = text.find("self::$"); at != std::string::npos;
             at = text.find("self::$", at + owner.size() + 3))
            text.replace(at, 4, owner);
        std::string assignment = owner + "::$" + name + "=" + text + ";";
        // A private or protected one is reached from outside only by code
        // bound to its class.
        if (memberVisibility != visibilityPublic)
            assignment = "Closure::bind(function(){" + assignment + "},null,\"" + owner + "\")();";
        headerLines.push_back(assignment + "\n");
        return;
    }
    // The constructor is written: a line queued now would never be.
    if (table.constructorWritten)
        reportError(Msg::declarationAfterConstructor);
    table.constructorLines.push_back("$this->" + name + "=" + value + ";\n");
}
