// Names given by "define" declarations, each with its signature record.
#pragma once

#include <string>
#include <vector>

#include "semantic/symbols.h"

class NamedValueTable {
public:
    std::vector<std::string> names;
    std::vector<FunctionRecord*> values;  // parallel to names; may hold null

    // The define rule enters the value, then the name: the value waits
    // until its name arrives, so a define that fails between the two
    // leaves no unpaired entry behind.
    void add(const std::string& name);
    void addValue(FunctionRecord* value);
    void addEntry(const std::string& name, FunctionRecord* value);
    bool find(const std::string& name);

private:
    FunctionRecord* pendingValue = nullptr;
};

extern NamedValueTable namedValueTable;
extern int namedValueIndex;          // entry found by the last search, -1 when none
// Value of the entry found: the signature a define names (null when it
// names none). The parameter and class-type rules read it after a find.
extern FunctionRecord* namedValue;

