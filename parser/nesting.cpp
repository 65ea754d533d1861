#include "parser/nesting.h"

int expressionNesting = 0;
int expressionOperators = 0;
int segmentSteps = 0;
