// How deep the recursive rules nest and how long an expression grows. Input
// nested without bound would overflow the parser's stack, and PHP's own
// parser has limits of its own; every rule that recurses or chains counts
// here.
#pragma once

// An operand deeper than this is a syntax error.
constexpr int maxExpressionNesting = 2000;

// Where a nesting too deep ends the parse: the parser reports it and
// throws, so throwTooDeep does not return.
class NestingStop {
public:
    [[noreturn]] virtual void throwTooDeep() = 0;

protected:
    ~NestingStop() = default;
};

extern int expressionNesting;
class NestingGuard {
public:
    explicit NestingGuard(bool counts = true) : counts_(counts) { expressionNesting += counts_; }
    ~NestingGuard() { expressionNesting -= counts_; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;
    bool tooDeep() const { return counts_ && expressionNesting > maxExpressionNesting; }

private:
    int counts_;
};

// The steps of a chain that each enclose the text before them in PHP (a
// slice or "[]" after a name, "+" or "-" on arrays, a set operator, a
// sign) nest there as deep as operands do, and PHP's parser has a limit:
// they count towards the same nesting while the rule that chains them runs.
class NestingSteps {
public:
    NestingSteps() = default;
    ~NestingSteps() { expressionNesting -= steps_; }
    NestingSteps(const NestingSteps&) = delete;
    NestingSteps& operator=(const NestingSteps&) = delete;
    // One more step (or n more); true when the nesting is now too deep.
    bool add(int n = 1)
    {
        steps_ += n;
        expressionNesting += n;
        return expressionNesting > maxExpressionNesting;
    }
    int count() const { return steps_; }
    // The chain's steps end with it (a chain that goes on past its rule).
    void release()
    {
        expressionNesting -= steps_;
        steps_ = 0;
    }

private:
    int steps_ = 0;
};

// A reference chain nests in PHP as deep as it is long, each join ("->",
// "::") and each bracket a level: a segment counts its brackets while it
// is read and leaves their number here, and the chain counts them again,
// with its joins, for as long as the chain goes on.
extern int segmentSteps;

// The steps a rule counts itself: a step too many ends the parse.
class RuleSteps {
public:
    explicit RuleSteps(NestingStop& stop) : stop_(stop) {}
    void add(int n = 1)
    {
        if (steps_.add(n))
            stop_.throwTooDeep();
    }
    // A chain's segment just read (its brackets), after a join or first.
    void addSegment() { add(segmentSteps); }
    void addJoinedSegment() { add(1 + segmentSteps); }
    int count() const { return steps_.count(); }

private:
    NestingStop& stop_;
    NestingSteps steps_;
};

// A flat chain is no nesting here: it costs the parser one loop step an
// operator. PHP's compiler, though, recurses once for each operator of a
// chain, and a long enough one (some 55000 "+" in a statement, with the
// 8 MB stack PHP gets) makes it crash: an expression with more operators
// than this is refused like one nested too deeply, with room left for the
// nesting of its operands.
constexpr int maxExpressionOperators = 40000;
extern int expressionOperators;
// One more operator in the expression; true when there are now too many.
inline bool countOperator() { return ++expressionOperators > maxExpressionOperators; }
// An expression outside any operand is a new one of its statement: its
// operators count from zero.
inline void startOperatorCount()
{
    if (expressionNesting == 0)
        expressionOperators = 0;
}
