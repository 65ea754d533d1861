// Everything of the semantic model.
#pragma once

#include "semantic/builtins.h"
#include "semantic/classes.h"
#include "semantic/file_names.h"
#include "semantic/messages.h"
#include "semantic/named_values.h"
#include "semantic/reset.h"
#include "semantic/symbol_table.h"
#include "semantic/symbols.h"
#include "semantic/text_util.h"
#include "semantic/types.h"
