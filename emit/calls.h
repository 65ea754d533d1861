// The PHP forms of calls: the forms of the predefined methods (one row per
// form of the method table), and the inline forms of the predefined
// functions written without a PHP call of their own.
#pragma once

#include <string>

#include "semantic/builtins.h"

// Before the name of a class whose object a call makes.
constexpr const char* newPrefix = "new ";

// What stands before the call's "(".
enum class CallOpening {
    phpName,          // the PHP name
    phpNameToComma,   // the PHP name up to its first comma
    assignPhpName,    // receiver "=" PHP name
    nothing,          // the whole text is built after the arguments
    receiver,         // the receiver, replaced after the arguments
};

// How the text is finished after the arguments.
enum class CallClosing {
    common,        // receiver after the arguments, suffix, ")"
    arrayInsert,
    conversion,    // the receiver unchanged, typed with the row's result
    arrayStore,
    arrayPack,
    textInsert,
    textReserve,
    dictUnshift,
    textSearch,     // built after the arguments, see textSearchText
    nonEmptyArray,  // see nonEmptyArrayText
    asText,         // see asTextText
    listValues,     // see listValuesText
};

struct MemberCallForm {
    CallForm form;
    CallOpening opening;
    bool receiverFirst;   // the receiver is the first argument
    bool receiverLast;    // "," and the receiver follow the arguments
    bool suffix;          // the PHP name from its first comma follows them
    bool errorCapture;    // the call stands in "$error=(" ... ")"
    CallClosing closing;
    bool assignsReceiver; // the PHP text stores into the receiver
};

// The form of a method row's kind; null for a kind no form has.
const MemberCallForm* memberCallForm(CallForm kind);

// Whether the PHP function takes its first argument by reference, so that
// the receiver written there must be a variable.
bool takesReceiverByReference(const std::string& phpName);

// Whether the PHP text names a variable (a name, its members, its elements,
// a static member): what a by-reference argument or an assignment takes.
bool isVariableText(const std::string& text);

// A form's text without its store into the receiver ("R=" before it).
std::string withoutStore(const std::string& text, const std::string& receiver);

// The text before "(" of a predefined method; "" with `ok` false when a form
// that cuts the PHP name at a comma finds none.
std::string memberCallOpening(const MemberCallForm& form, const std::string& phpName,
                              const std::string& receiver, bool& ok);
// The common closing: what follows the arguments.
std::string memberCallClosing(const MemberCallForm& form, const std::string& phpName,
                              const std::string& receiver, bool hasArguments);

// The fixed forms, built from the receiver and the first two arguments.
// `valueType`: the inserted value's type.
std::string arrayInsertText(const std::string& receiver, const std::string& index,
                            const std::string& value, int valueType = 0);
std::string arrayPackText(const std::string& receiver);
std::string textInsertText(const std::string& receiver, const std::string& index,
                           const std::string& text);
std::string textReserveText(const std::string& receiver, const std::string& count);
std::string dictUnshiftText(const std::string& receiver, const std::string& key,
                            const std::string& value);
std::string textSearchText(const std::string& phpName, const std::string& receiver,
                           const std::string& needle, const std::string& offset);
std::string nonEmptyArrayText(const std::string& phpName, const std::string& receiver);
std::string asTextText(const std::string& phpName, const std::string& receiver,
                       const std::string& value);
std::string listValuesText(const std::string& phpName, const std::string& receiver,
                           int receiverType);

// The inline forms of predefined functions.
std::string swapText(const std::string& temp, const std::string& a, const std::string& b);
std::string signText(const std::string& value);
std::string pluralText(const std::string& count);
