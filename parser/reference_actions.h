// Assignment statements and references: names, indexes, slices and member
// access, read or assigned.
#pragma once

#include <string>

#include "parser/nesting.h"

// --- Assignment statements
void beginAssignment();
// The target type the next value goes to: the target at the same position,
// or the last one when there are more values than targets.
void setValueTargetType();

// --- References
// The part of a reference segment that a bracketed bound may change; a
// bound can hold references of its own.
struct SegmentState {
    int containerType = 0;
    int staticAccessValue = 0;
    int staticFlagValue = 0;
    std::string ownerName;
    int ownerIndex = -1;
    int instanceMember = 0;
    int segmentCount = 0;
    int classIndex = 0;
    int targetMode = 0;
    int seen = 0;
    // Saves the state and reads the bound in read mode.
    void save();
    void restore() const;
};
// The head of a segment: the identifier, looked up (first segment) or
// resolved as a member of the owner class (later segments).
void beginSegment(const std::string& name);
void finishIndex(const std::string& bound);
// A text bound of a slice (its type in currentType), or of an index of a
// text (given), is reported: PHP takes integers there.
void checkIntervalBound();
void checkIndexBound(int boundType);
void finishSlice();
void finishCurrentElement();
void finishReference();
// The name in codeBuffer, as memberName writes it: "$", "$this->" or
// nothing (constants, enumeration items, class-qualified texts).
void prefixNameText();
// The member access of a bound operand: the first name, then each member.
void beginMemberAccess(const std::string& name);
void memberAccessStep(const std::string& name);
// A name of a template ($name, given without its "$") as the same name is
// written in an expression: $this->name, self::$name, a global declared
// global in a function. A name nothing declares stays "$name".
std::string templateNameText(const std::string& name);

// --- The steps of the reference rules
// An assignment or input target: read in its assignment form, a name of
// an array kind as a whole array.
void beginAssignTarget();
void markWholeArrayTarget();
void finishAssignTarget();
// A member chain: its segments in codeBuffer, joined, then appended.
void beginMemberChain();
void joinMemberChain();
void finishMemberChain();
// A name alone: looked up, appended as memberName writes it.
void appendMemberName(const std::string& name);
// A bracketed bound of a segment, on a level of its own with the
// segment's state saved around it.
void openSegmentBound(SegmentState& segment);
void closeIndexBound(const SegmentState& segment);
void takeSliceStart();
void takeSliceEnd();
void closeSliceBound(const SegmentState& segment);
// After the segment's brackets, `steps` of them.
void finishSegment(int steps);

// One segment being read: its state, and its brackets, each a step that
// encloses the text before it.
class ReferenceSegment : public SegmentState {
public:
    explicit ReferenceSegment(NestingStop& stop) : brackets_(stop) {}
    // "[" of an index or a slice; a slice has no bounds yet.
    void openBound()
    {
        brackets_.add();
        openSegmentBound(*this);
    }
    void openSlice();
    // "[]".
    void takeCurrentElement()
    {
        brackets_.add();
        finishCurrentElement();
    }
    // After the brackets.
    void finish() { finishSegment(brackets_.count()); }

private:
    RuleSteps brackets_;
};
// A PHP variable written as such ($name), and the closer of each of its
// indexes: of type var, not looked up.
void appendPhpName(const std::string& token);
void closePhpIndex();
// "$(name)": the bare name, an integer.
void appendPhpConstant(const std::string& token);
// An assignment's targets, and its operators.
void addFirstTarget();
void addNextTarget();
void beginErrorCatchingValue();
