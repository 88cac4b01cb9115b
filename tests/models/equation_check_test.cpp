#include "models/equation_check.h"
#include "models/model_record.h"

#include <gtest/gtest.h>

namespace {

TEST(ModelNameRule, AcceptsCIdentifiersOfSingleByteLetters)
{
    for (const char* name : {"Lorenz", "_x1", "a2b", "Chua_Circuit", "Z"})
        EXPECT_TRUE(isValidModelName(name)) << name;
    for (const char* name : {"2ab", "a-b", "a b", " Lorenz", "Lorenz ", "ｘ", "Lörenz", "", "a.b", "a\n"})
        EXPECT_FALSE(isValidModelName(name)) << name;
}

TEST(EquationCheck, AcceptsExpressionsOverTheModelsLettersAndMathFunctions)
{
    const char* accepted[] = {
        "a*y-a*x",
        "-x*z+b*x-y",
        "((y-x)*d-((fabs(x-g)*((e-f)*0.5))+(fabs(x+g)*((f-e)*0.5)+e*x)))*a",
        "a*z+c-z*z*z*(1.0/3.0)-(x*x+y*y)*(e*z+1)+f*z*x*x*x",
        "x > 0 ? sin(x) : -cos(y)",
        "x<y ? x<z ? 1 : 2 : 3",
        "!(x < y) && (y >= z || x != 0) == (z <= 1)",
        "pow(x, 2) + atan2(y, x) + fmod(z, 3)",
        "fma(x, y, z) + hypot(x, y) - fmin(a, fmax(b, c))",
        "exp2(x) + log2(y) + cbrt(z) + expm1(x) + log1p(y) + erf(z) + erfc(x)",
        "tgamma(x) + lgamma(y) + trunc(z) + round(x) + copysign(y, z) + floor(a) + ceil(b)",
        "1e-3*x + .5 - 2. + 6.02E+23*y + 1.5e2",
        "  x\t*\ty  ",
        "+-+x",
        "- -x",
    };
    for (const char* equation : accepted)
        EXPECT_EQ(checkEquation(equation, 3, 7), std::nullopt) << equation;
    EXPECT_EQ(checkEquation("d*w+c*z", 4, 4), std::nullopt);
    EXPECT_EQ(checkEquation("u+j", 6, 10), std::nullopt);
}

TEST(EquationCheck, RefusesEverythingElse)
{
    const char* refused[] = {
        "",           "   ",         "x;",          "x; y",        "{x}",           "#define x",
        "\"x\"",      "'x'",         "x // c",      "x /* c */",   "x = 1",         "x += 1",
        "x++",        "--x",         "x & y",       "x | y",       "x ^ y",         "~x",
        "x << 1",     "x >> 1",      "x % 2",       "foo(x)",      "sin",           "sin x",
        "sin(x",      "sin(x))",     "pow(x)",      "pow(x, y, z)", "sin(x, y)",    "x, y",
        "(x",         "x)",          "()",          "x ? y",       "x ? : y",       "x y",
        "1x",         "2e",          "0x1F",        "1.2.3",       "1f",            "x[0]",
        "Variable[0]", "Solution",   "Dimension",   "Input_Data",  "printf(x)",     "exit(0)",
        "a.b",        "p->q",        "x ?\?/",       "x\n",         "x\\",           "ｘ+y",
        "x@y",        "x$",          "`x`",         "w",           "h",             "y0(x)",
        "M_PI*x",     "sizeof(x)",   "(double)x",   "x +",         "* x",           "x <: 1",
        "x!",         "!",           "x==",         "f(x)",        "i",             "j0(x)",
    };
    for (const char* equation : refused)
        EXPECT_NE(checkEquation(equation, 3, 7), std::nullopt) << '"' << equation << '"';
}

TEST(EquationCheck, LeadingZeroIntegersAreRefusedBecauseCReadsThemAsOctal)
{
    for (const char* refused : {"010*x", "08", "x+007", "00"}) {
        const auto fault = checkEquation(refused, 3, 3);
        ASSERT_NE(fault, std::nullopt) << refused;
        EXPECT_EQ(fault->kind, EquationFaultKind::LeadingZero) << refused;
    }
    for (const char* accepted : {"0", "0*x", "10", "0.8", "00.5", "0e3", "010.5", "0.01e-05"})
        EXPECT_EQ(checkEquation(accepted, 3, 3), std::nullopt) << accepted;
}

TEST(EquationCheck, DeepNestingIsRefusedWithoutExhaustingTheStack)
{
    const std::size_t depth = 200000;
    EXPECT_EQ(checkEquation(std::string(depth, '(') + "x" + std::string(depth, ')'), 3, 3),
              EquationFault(EquationFaultKind::TooDeep));
    std::string signs;
    for (std::size_t k = 0; k < depth; ++k)
        signs += "- ";
    EXPECT_EQ(checkEquation(signs + "x", 3, 3), std::nullopt);
    EXPECT_EQ(checkEquation(std::string(50, '(') + "x" + std::string(50, ')'), 3, 3), std::nullopt);
}

TEST(EquationCheck, FaultsSayWhatIsWrong)
{
    using K = EquationFaultKind;
    EXPECT_EQ(checkEquation("x % 2", 3, 3), EquationFault(K::Remainder));
    EXPECT_EQ(checkEquation("foo(x)", 3, 3), EquationFault(K::UnknownName, "foo", "x, y, z, a, b, c"));
    EXPECT_EQ(checkEquation("w", 3, 3), EquationFault(K::UnknownName, "w", "x, y, z, a, b, c"));
    EXPECT_EQ(checkEquation("sin", 3, 3), EquationFault(K::NoCall, "sin"));
    EXPECT_EQ(checkEquation("pow(x)", 3, 3), EquationFault(K::ArgumentCount, "pow", "", 2));
    EXPECT_EQ(checkEquation("sin(x", 3, 3), EquationFault(K::Missing, "", ")"));
    EXPECT_EQ(checkEquation("x ? y z", 3, 3), EquationFault(K::Misplaced, "z", ":"));
    EXPECT_EQ(checkEquation("1.2.3", 3, 3), EquationFault(K::BadNumber, "1.2.3"));
    EXPECT_EQ(checkEquation("x@y", 3, 3), EquationFault(K::BadCharacter, "@"));
    EXPECT_EQ(checkEquation("x y", 3, 3), EquationFault(K::OperatorNeeded, "y"));
    EXPECT_EQ(checkEquation("   ", 3, 3), EquationFault(K::Empty));
}

TEST(EquationCheck, ModelCheckNamesTheFirstRefusedUsedEquation)
{
    ModelRecord record;
    record.Function[0] = "a*y-a*x";
    record.Function[1] = "-x*z+b*x-y;";
    record.Function[2] = "x*y-c*z";
    record.Function[3] = "not used by a 3-variable model }";
    const auto refusedEquation = [&] {
        const std::optional<Failure> failure = checkModelEquations(record);
        EXPECT_TRUE(!failure || failure->kind == FailureKind::EquationRefused);
        return failure ? failure->equation : -1;
    };
    EXPECT_EQ(refusedEquation(), 1) << "dy/dt";

    record.Function[1] = "-x*z+b*x-y";
    EXPECT_EQ(checkModelEquations(record), std::nullopt);

    record.Dimension = 4;
    EXPECT_EQ(refusedEquation(), 3) << "dw/dt";

    record.Dimension = 3;
    record.Parameter = 2;
    EXPECT_EQ(refusedEquation(), 2) << "c is not a parameter of a 2-parameter model";
}

}  // namespace
