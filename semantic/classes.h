// Classes: their attributes, methods and parent, and the list of all
// classes of a run.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "semantic/symbols.h"

struct ClassRecord : RunRecord<ClassRecord> {
    std::vector<Symbol*> attributes;
    std::vector<FunctionRecord*> methods;
    std::string name;        // possibly qualified with dots
    std::string parentName;  // empty when there is none
    int typeCode = 0;        // 25 for a declared class
    int flags = 0;           // 256 for the class "dom"
    int found = 0;           // index found by the last search here, -1 when none

    int findAttribute(const std::string& attributeName);
    int findAttributeIgnoreCase(const std::string& attributeName);
    int findMethod(const std::string& methodName);
    int findMethodIgnoreCase(const std::string& methodName);
    int findStaticMethod(const std::string& methodName);
    int findNextMethod(const std::string& methodName);
    void addAttribute(Symbol* symbol);
    void addMethod(FunctionRecord* record);
};

// All classes of the run; a class's index here is the class index kept in
// symbols, parameters and currentClassIndex.
class ClassTable : public std::vector<ClassRecord*> {
public:
    int indexOf(const std::string& className) const;
    void checkAmbiguous(int i) const;

private:
    // The classes by name and by each dotted tail of their names ("b" and
    // "a.b" of "x.a.b"), the first of each: every identifier of a program
    // is looked up here. Brought up to date on use; started again when the
    // list no longer begins and ends with the records it indexed. One key
    // holds both, so that a name that is no class is hashed once.
    struct Named {
        int exact = -1;  // the first class of that name
        int tail = -1;   // the first class whose name ends with "." and it
    };
    mutable std::unordered_map<std::string, Named> byKey;
    mutable size_t indexed = 0;
    mutable const ClassRecord* firstIndexed = nullptr;
    mutable const ClassRecord* lastIndexed = nullptr;
    void updateIndex() const;
};

extern ClassTable classTable;

// A new run: no parent cycle reported yet.
void forgetReportedCycles();
