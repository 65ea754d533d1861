#include "emit/statements.h"

#include <cctype>
#include <cmath>

#include "emit/code_buffer.h"
#include "emit/output.h"
#include "emit/state.h"
#include "semantic/text_util.h"

namespace {

struct LoopJump {
    const char* breakText;
    const char* continueText;
};

// By loop kind. A while body is wrapped in do { } while(false), so that its
// step still runs after a "continue": "break 2" leaves the while and "break"
// the wrapper.
const LoopJump loopJumps[] = {
    {"break", "continue"},    // for
    {"break 2", "break"},     // while
    {"break", "continue"},    // do
};

// By inclusive (row) and counting down (column).
const char* const rangeComparisons[2][2] = {
    {"<", ">"},     // "--": end excluded
    {"<=", ">="},   // "..": end included
};

// PHP computes integer arithmetic exactly up to its integer range and goes
// over to floats beyond; a double holds both exactly below 2^53.
constexpr double exactLimit = 9007199254740992.0;

// Recursive descent over a bound text, PHP's precedence: signs, then
// "*" "/" "%", then "+" "-".
class ConstantReader {
public:
    explicit ConstantReader(const std::string& text) : text_(text) {}

    bool read(double& value)
    {
        if (!sum(value) || pos_ != text_.size())
            return false;
        return true;
    }

private:
    bool sum(double& value)
    {
        if (!product(value))
            return false;
        while (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) {
            char op = text_[pos_++];
            double right = 0;
            if (!product(right))
                return false;
            value = op == '+' ? value + right : value - right;
            if (!exact(value))
                return false;
        }
        return true;
    }

    bool product(double& value)
    {
        if (!sign(value))
            return false;
        while (pos_ < text_.size()
               && (text_[pos_] == '*' || text_[pos_] == '/' || text_[pos_] == '%')) {
            char op = text_[pos_++];
            double right = 0;
            if (!sign(right))
                return false;
            if (op == '*') {
                value *= right;
            } else if (op == '/') {
                if (right == 0)
                    return false;
                value /= right;
            } else {
                // PHP's "%" works on the integer parts
                double a = std::trunc(value), b = std::trunc(right);
                if (b == 0)
                    return false;
                value = std::fmod(a, b);
            }
            if (!exact(value))
                return false;
        }
        return true;
    }

    bool sign(double& value)
    {
        if (++depth_ > maxDepth)
            return false;
        bool ok;
        if (pos_ < text_.size() && (text_[pos_] == '-' || text_[pos_] == '+')) {
            char op = text_[pos_++];
            ok = sign(value);
            if (op == '-')
                value = -value;
        } else {
            ok = operand(value);
        }
        --depth_;
        return ok;
    }

    bool operand(double& value)
    {
        if (pos_ < text_.size() && text_[pos_] == '(') {
            ++pos_;
            if (!sum(value) || pos_ >= text_.size() || text_[pos_] != ')')
                return false;
            ++pos_;
            return true;
        }
        return number(value);
    }

    bool number(double& value)
    {
        int base = 10;
        if (pos_ + 1 < text_.size() && text_[pos_] == '0'
            && (text_[pos_ + 1] == 'x' || text_[pos_ + 1] == 'X')) {
            base = 16;
            pos_ += 2;
        } else if (pos_ + 1 < text_.size() && text_[pos_] == '0'
                   && (text_[pos_ + 1] == 'b' || text_[pos_ + 1] == 'B')) {
            base = 2;
            pos_ += 2;
        } else if (pos_ < text_.size() && text_[pos_] == '0') {
            base = 8;
        }
        size_t digitsStart = pos_;
        value = 0;
        while (pos_ < text_.size()) {
            int digit = digitValue(text_[pos_]);
            if (digit < 0 || digit >= base)
                break;
            value = value * base + digit;
            if (!exact(value))
                return false;
            ++pos_;
        }
        if (pos_ == digitsStart)
            return false;
        // a name or a real ("1.5", "2e3") is not an integer constant
        if (pos_ < text_.size()
            && (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_'
                || text_[pos_] == '.' || text_[pos_] == '$'))
            return false;
        return true;
    }

    static bool exact(double value) { return std::fabs(value) < exactLimit; }

    static constexpr int maxDepth = 3000;   // deeper than any bound the parser takes
    const std::string& text_;
    size_t pos_ = 0;
    int depth_ = 0;
};

bool isPlainNumber(const std::string& text)
{
    if (text.empty())
        return false;
    for (char c : text)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            return false;
    return std::isdigit(static_cast<unsigned char>(text[0])) != 0;
}

}  // namespace

std::string loopJumpText(bool isContinue, int kind)
{
    const LoopJump& jump = loopJumps[kind == whileLoop ? 1 : kind == doLoop ? 2 : 0];
    return isContinue ? jump.continueText : jump.breakText;
}

// for-in over a range:  for int i in lo .. hi [step st]
// writes: for($i=lo;$i<=hi;$i++) (the comparison and update by the table and
// the constant bounds and step); with a step that is no constant the step's
// sign decides the direction at run time:
//   for($i=lo;$st>0?$i<=hi:$i>=hi;$i+=$st)
void emitRangeHeader(const std::string& variable, const std::string& start,
                     const std::string& end, int inclusive, int descending,
                     const std::string& step)
{
    const char* const* comparisons = rangeComparisons[inclusive ? 1 : 0];
    double stepValue = 0;
    bool runTimeStep = !step.empty() && !constantValue(step, stepValue);
    // Built in one text: a chain of "+" would make a temporary per piece.
    std::string head;
    head.reserve(24 + 4 * variable.size() + start.size() + 2 * end.size() + 2 * step.size());
    head += "for(";
    head += variable;
    head += '=';
    head += start;
    head += ';';
    if (runTimeStep) {
        head += step;
        head += ">0?";
        head += variable;
        head += comparisons[0];
        head += end;
        head += ':';
    }
    head += variable;
    head += comparisons[runTimeStep || descending ? 1 : 0];
    head += end;
    head += ';';
    head += variable;
    if (!step.empty()) {
        head += "+=";
        head += step;
    } else {
        head += descending ? "+=-1" : "++";
    }
    head += ')';
    emitString(head);
    emitOpenBrace();
}

bool constantValue(const std::string& text, double& value)
{
    if (text.empty())
        return false;
    ConstantReader reader(text);
    return reader.read(value);
}

bool constantRangeDescends(const std::string& start, const std::string& end)
{
    double from = 0, to = 0;
    return constantValue(start, from) && constantValue(end, to) && to < from;
}

std::string negatedStep(const std::string& step)
{
    return isPlainNumber(step) ? "-" + step : "-(" + step + ")";
}

void emitForeachHeader(const std::string& collection, const std::string& variable,
                       const std::string& valueVariable, bool keyValue)
{
    std::string head;
    head.reserve(16 + collection.size() + variable.size() + valueVariable.size());
    head += "foreach(";
    head += collection;
    head += " as ";
    head += variable;
    if (keyValue) {
        head += " => ";
        head += valueVariable;
    }
    head += ")\n";
    emitString(head);
    emitIndented("{");
}

void emitTextLoopHeader(std::string text, const std::string& variable,
                        const std::string& valueVariable, bool keyValue,
                        const std::string& scopeText)
{
    incGenerator();
    std::string index = "$__" + scopeText;
    std::string length = "$_L" + scopeText;
    if (!isIdentifier(text)) {
        std::string temp = newTempName();
        emitString(temp + "=" + text);
        endStatement();
        emitIndent();
        text = temp;
    }
    emitString(length + "=strlen(" + text + ")");
    endStatement();
    emitIndented("for(" + index + " = 0; " + index + " < " + length + "; " + index + "++)");
    emitOpenBrace();
    // the key is the index and the value the character
    std::string character = text + "[" + index + "]";
    if (keyValue) {
        emitIndentDelta(1);
        emitString(variable + "=" + index);
        endStatement();
        emitIndentDelta(1);
        emitString(valueVariable + "=" + character);
    } else {
        emitIndentDelta(1);
        emitString(variable + "=" + character);
    }
    endStatement();
}
