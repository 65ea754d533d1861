#include "semantic/reset.h"

#include "semantic/builtins.h"
#include "semantic/classes.h"
#include "semantic/messages.h"
#include "semantic/named_values.h"
#include "semantic/run_records.h"
#include "semantic/symbol_table.h"

void resetSemanticRun()
{
    symbolTable = SymbolTable();
    // anew, not cleared: its index knows the records by their addresses,
    // which the records made after the release below may take again
    classTable = ClassTable();
    forgetReportedCycles();
    namedValueTable = NamedValueTable();
    namedValueIndex = -1;
    namedValue = nullptr;
    methodTable.found = -1;
    resetReporters();
    // the tables above named the records: nothing names one now
    releaseRunRecords();
    resetSemanticFile();
}

void resetSemanticFile()
{
    lineNumber = 1;
    errorCount = 0;
    symbolTable.beginFile();
}
