#include "semantic/named_values.h"

NamedValueTable namedValueTable;
int namedValueIndex = -1;
FunctionRecord* namedValue = nullptr;

void NamedValueTable::addValue(FunctionRecord* value) { pendingValue = value; }

void NamedValueTable::add(const std::string& name) {
    addEntry(name, pendingValue);
    pendingValue = nullptr;
}

void NamedValueTable::addEntry(const std::string& name, FunctionRecord* value) {
    names.push_back(name);
    values.push_back(value);
}

bool NamedValueTable::find(const std::string& name) {
    namedValueIndex = -1;
    for (size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) {
            namedValue = values[i];
            namedValueIndex = static_cast<int>(i);
            return true;
        }
    }
    return false;
}
