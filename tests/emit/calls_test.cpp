// The PHP forms of calls that emit/calls builds from texts alone.
#include <gtest/gtest.h>

#include "emit/calls.h"

namespace {

TEST(CallForms, VariableTexts)
{
    const char* variables[] = {"$a", "$this->x", "$a[1]", "$a[$b[\"]\"]]->c", "Counter::$total",
                               "self::$n[2]", "$p->items"};
    const char* values[] = {"", "$", "1", "\"x\"", "trim($s)", "$a.$b", "$a+1",
                            "array(1)", "$f()", "$a[1", "Counter::make()", "$a->b()"};
    for (const char* text : variables)
        EXPECT_TRUE(isVariableText(text)) << text;
    for (const char* text : values)
        EXPECT_FALSE(isVariableText(text)) << text;
}

TEST(CallForms, OpeningAndClosingByForm)
{
    using F = CallForm;
    struct Case {
        CallForm kind;
        const char* phpName;
        bool hasArguments;
        const char* opening;
        const char* closing;
    } cases[] = {
        {F::receiverFirst, "strlen", false, "strlen", ")"},
        {F::receiverLast, "implode", true, "implode", ",$r)"},
        {F::receiverLast, "implode", false, "implode", "$r)"},
        {F::assignResult, "file", true, "$r=file", ")"},
        {F::assignResultCaught, "fopen", true, "$r=fopen", "))"},
        {F::receiverFirstNameTail, "fgets,65536", false, "fgets", ",65536)"},
        {F::assignReceiverLast, "str_replace", true, "$r=str_replace", ",$r)"},
    };
    for (const Case& c : cases) {
        const MemberCallForm* form = memberCallForm(c.kind);
        ASSERT_NE(form, nullptr) << c.phpName;
        bool ok = false;
        EXPECT_EQ(memberCallOpening(*form, c.phpName, "$r", ok), c.opening) << c.phpName;
        EXPECT_TRUE(ok);
        EXPECT_EQ(memberCallClosing(*form, c.phpName, "$r", c.hasArguments), c.closing) << c.phpName;
    }
    bool ok = true;
    memberCallOpening(*memberCallForm(F::receiverFirstNameTail), "fgets", "$r", ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(memberCallForm(CallForm::none), nullptr);
    EXPECT_EQ(memberCallForm(static_cast<CallForm>(3)), nullptr);
}

TEST(CallForms, InlineForms)
{
    EXPECT_EQ(signText("$b-4"), "(($b-4)?($b-4)/abs($b-4):0)");
    EXPECT_EQ(pluralText("$n"), "($n>1?\"s\":\"\")");
    EXPECT_EQ(pluralText("12"), "(12>1?\"s\":\"\")");
    EXPECT_EQ(pluralText("$a+$b"), "(($a+$b)>1?\"s\":\"\")");
    EXPECT_EQ(swapText("$_I1", "$a", "$b"), "$_I1=$a;$a=$b;$b=$_I1");
    EXPECT_EQ(withoutStore("$s=str_repeat(0,2)", "$s"), "str_repeat(0,2)");
    EXPECT_EQ(withoutStore("strlen($s)", "$s"), "strlen($s)");
    // a long value stands once, named by a temporary after that
    std::string longValue(300, '1');
    std::string sign = signText(longValue);
    EXPECT_EQ(sign.find(longValue), sign.rfind(longValue));
}

TEST(CallForms, FixedFormsOfMethods)
{
    struct Case {
        std::string text, php;
    } cases[] = {
        {arrayInsertText("$a", "1", "2", 5), "array_splice($a,1,0,2)"},
        {arrayInsertText("$a", "1", "$b", 11), "array_splice($a,1,0,array($b))"},
        {arrayInsertText("$a", "1", "$o", 15), "array_splice($a,1,0,array($o))"},
        {arrayInsertText("$a", "1", "$v", 16), "array_splice($a,1,0,array($v))"},
        {arrayInsertText("$a", "1", "$t", 30), "array_splice($a,1,0,array($t))"},
        {textSearchText("strpos", "$s", "\"a\"", ""), "strpos($s,\"a\")"},
        {textSearchText("strrpos", "$s", "\"a\"", "$i"),
         "(abs($i)>strlen($s)?false:strrpos($s,\"a\",$i))"},
        {nonEmptyArrayText("max", "$a"), "($a?max($a):false)"},
        {asTextText("array_search", "$d", "$x"), "strval(array_search($x,$d))"},
        {listValuesText("array_unique", "$a", 11), "array_values(array_unique($a))"},
        {listValuesText("array_unique", "$a", 29), "array_values(array_unique($a))"},
        {listValuesText("array_unique", "$d", 12), "array_unique($d)"},
        {listValuesText("array_unique", "$v", 16), "array_unique($v)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.text, c.php);
    // the receiver stands twice: a long one once, then its temporary
    std::string longList = "array(" + std::string(300, '1') + ")";
    std::string greatest = nonEmptyArrayText("max", longList);
    EXPECT_EQ(greatest.find(longList), greatest.rfind(longList));
}

}  // namespace
