// Everything of the PHP emission support.
#pragma once

#include "emit/output.h"
#include "emit/code_buffer.h"
#include "emit/expr_levels.h"
#include "emit/state.h"
#include "emit/assign.h"
#include "emit/slices.h"
#include "emit/translators.h"
#include "emit/declarations.h"
#include "emit/functions.h"
#include "emit/statements.h"
#include "emit/reset.h"
