#include "parser/state.h"
