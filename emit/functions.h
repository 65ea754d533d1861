// PHP forms of function heads, parameter lists and values that PHP must
// know when it compiles (parameter defaults, property values).
#pragma once

#include <string>
#include <vector>

// One parameter as written: "&" and "$name", and its default when it has one.
struct ParameterText {
    std::string name;
    std::string defaultText;   // "=value" or "= 0", empty when none
};

// The parameters joined by ",". A default followed by a parameter without
// one is left out: PHP 8 deprecates a required parameter after an optional
// one, and the default could never be used anyway.
std::string parameterListText(const std::vector<ParameterText>& parameters);

// Whether PHP accepts the text where it needs a constant expression:
// no variable, no object creation and no call but array(...).
bool isConstantExpressionText(const std::string& text);
