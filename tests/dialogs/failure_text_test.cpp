// The program's texts of the core's failures: the fixed texts the user has
// always seen, and a text for every kind.
#include "dialogs/failure_text.h"

#include <gtest/gtest.h>

namespace {

std::string text(const Failure& failure)
{
    return failureText(failure).toStdString();
}

TEST(FailureText, FileFailuresKeepTheirFixedTexts)
{
    EXPECT_EQ(text({FailureKind::ModelFileUnreadable, "/m/Lorenz.txt"}),
              "モデルファイルが開けません。ファイルを選択してください。");
    EXPECT_EQ(text({FailureKind::ListUncreatable, "/m/Eqnbank.c"}), "リストファイルが開けません。");
    EXPECT_EQ(text({FailureKind::SeriesUnreadable, "/d/x.txt"}), "データファイルが開けません。");
}

TEST(FailureText, NamesEquationsAndMessagesAreFilledIn)
{
    Failure equation{FailureKind::EquationRefused};
    equation.equation = 1;
    equation.fault = {EquationFaultKind::UnknownName, "w", "x, y, z, a, b, c"};
    EXPECT_EQ(text(equation), "dy/dt の式が正しくありません：使えない名前「w」があります。"
                              "使えるのは x, y, z, a, b, c、数値と C の数学関数です。");
    equation.fault = {EquationFaultKind::ArgumentCount, "pow", "", 2};
    EXPECT_EQ(text(equation), "dy/dt の式が正しくありません：関数「pow」の引数は 2 個です。");

    Failure compile{FailureKind::CompileFailed};
    compile.name = "Lorenz";
    compile.detail = "line 3: bad\n";
    EXPECT_EQ(text(compile), "モデル「Lorenz」を含むモデルリストをコンパイルできませんでした。"
                             "モデルライブラリは以前のままです。"
                             "コンパイラのメッセージを見てモデルを修正してください。\n\nline 3: bad\n");

    // A text that looks like a place holder is shown as it is.
    Failure taken{FailureKind::ModelNameTaken};
    taken.name = "%2%1";
    EXPECT_EQ(text(taken), "リストには同じ名前のモデル「%2%1」がすでにあります。");
}

TEST(FailureText, EveryKindHasAText)
{
    for (int kind = 0; kind <= static_cast<int>(FailureKind::NoListChosen); ++kind)
        EXPECT_FALSE(failureText({static_cast<FailureKind>(kind)}).isEmpty()) << kind;
    Failure equation{FailureKind::EquationRefused};
    for (int kind = 0; kind <= static_cast<int>(EquationFaultKind::ArgumentCount); ++kind) {
        equation.fault = {static_cast<EquationFaultKind>(kind)};
        EXPECT_FALSE(failureText(equation).endsWith(QStringLiteral("："))) << kind;
    }
}

}  // namespace
