#include "dialogs/failure_text.h"

#include "models/model_record.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString fromStd(const std::string& text)
{
    return QString::fromStdString(text);
}

// The texts, in the translation context "Failure".
class FailureTexts {
    Q_DECLARE_TR_FUNCTIONS(Failure)

public:
    static QString of(const Failure& failure);

private:
    static QString ofFault(const EquationFault& fault);
    static QString ofCompile(const Failure& failure);
};

QString FailureTexts::ofFault(const EquationFault& fault)
{
    const QString text = fromStd(fault.text);
    switch (fault.kind) {
    case EquationFaultKind::Empty:
        return tr("式が空です。");
    case EquationFaultKind::Assignment:
        return tr("代入（「=」など）は使えません。");
    case EquationFaultKind::Increment:
        return tr("「++」「--」は使えません。");
    case EquationFaultKind::Bitwise:
        return tr("ビット演算子は使えません。");
    case EquationFaultKind::Comment:
        return tr("コメントは使えません。");
    case EquationFaultKind::Arrow:
        return tr("「->」は使えません。");
    case EquationFaultKind::Remainder:
        return tr("「%」は使えません（剰余には fmod(x, y) を使ってください）。");
    case EquationFaultKind::NotSingleByte:
        return tr("半角以外の文字は使えません。");
    case EquationFaultKind::ControlCharacter:
        return tr("制御文字は使えません。");
    case EquationFaultKind::BadCharacter:
        return tr("使えない文字「%1」があります。").arg(text);
    case EquationFaultKind::BadNumber:
        return tr("数値「%1」の書き方が正しくありません。").arg(text);
    case EquationFaultKind::LeadingZero:
        return tr("数値「%1」は先頭に 0 を付けずに書いてください（C では 8 進数として読まれます）。")
            .arg(text);
    case EquationFaultKind::TooDeep:
        return tr("式の入れ子が深すぎます。");
    case EquationFaultKind::Missing:
        return tr("「%1」が足りません。").arg(fromStd(fault.wanted));
    case EquationFaultKind::Misplaced:
        return tr("「%1」の位置に「%2」が必要です。").arg(text, fromStd(fault.wanted));
    case EquationFaultKind::UnmatchedClose:
        return tr("「)」に対応する「(」がありません。");
    case EquationFaultKind::StrayComma:
        return tr("「,」は関数の引数の区切りにだけ使えます。");
    case EquationFaultKind::OperatorNeeded:
        return tr("「%1」の前に演算子が必要です。").arg(text);
    case EquationFaultKind::Unfinished:
        return tr("式が途中で終わっています。");
    case EquationFaultKind::NoValue:
        return tr("「%1」の位置に値がありません。").arg(text);
    case EquationFaultKind::UnknownName:
        return tr("使えない名前「%1」があります。使えるのは %2、数値と C の数学関数です。")
            .arg(text, fromStd(fault.wanted));
    case EquationFaultKind::NoCall:
        return tr("関数「%1」の後に「(」がありません。").arg(text);
    case EquationFaultKind::ArgumentCount:
        return tr("関数「%1」の引数は %2 個です。").arg(text, QString::number(fault.count));
    }
    return {};
}

QString FailureTexts::ofCompile(const Failure& failure)
{
    const QString text =
        failure.name.empty()
            ? tr("モデルリストをコンパイルできませんでした。モデルライブラリは以前のままです。"
                 "コンパイラのメッセージを見てモデルを修正してください。")
            : tr("モデル「%1」を含むモデルリストをコンパイルできませんでした。"
                 "モデルライブラリは以前のままです。"
                 "コンパイラのメッセージを見てモデルを修正してください。")
                  .arg(fromStd(failure.name));
    return failure.detail.empty() ? text : text + QStringLiteral("\n\n") + fromStd(failure.detail);
}

QString FailureTexts::of(const Failure& failure)
{
    const QString name = fromStd(failure.name);
    const int equation = std::clamp(failure.equation, 0, kMaxVariables - 1);
    switch (failure.kind) {
    case FailureKind::ModelFileUnreadable:
    case FailureKind::ModelFileUnwritable:
    case FailureKind::ModelFileBadCounts:
        return tr("モデルファイルが開けません。ファイルを選択してください。");
    case FailureKind::SamplingIntervalInvalid:
        return tr("モデルファイル「%1」のサンプリング間隔 %2 は使えません。"
                  "サンプリング間隔には正の数を指定してください。")
            .arg(fromStd(failure.path), QString::number(failure.value, 'g', 17));
    case FailureKind::ListUnreadable:
        return tr("リストファイルが開けません。ファイルを選択してください。");
    case FailureKind::ListUncreatable:
        return tr("リストファイルが開けません。");
    case FailureKind::SeriesUnreadable:
        return tr("データファイルが開けません。");
    case FailureKind::ModelNameMissing:
        return tr("モデル名を入力してください。");
    case FailureKind::ModelNameInvalid:
        return tr("モデルの名前には半角英語を使用してください。２文字目以降は数字も可能です。");
    case FailureKind::ModelNameReserved:
        return tr("モデルの名前「%1」は C の予約語か宣言済みの関数の名前なので使えません。").arg(name);
    case FailureKind::ModelNameTaken:
        return tr("リストには同じ名前のモデル「%1」がすでにあります。").arg(name);
    case FailureKind::ModelPathHasLineBreak:
        return tr("モデルファイルのパスに改行は使えません。");
    case FailureKind::ModelCountsOutOfRange:
        return tr("次元かパラメータ数が範囲外です。");
    case FailureKind::EquationRefused:
        return tr("d%1/dt の式が正しくありません：%2")
            .arg(QString(QChar::fromLatin1(variableLetter(equation))), ofFault(failure.fault));
    case FailureKind::CompileFailed:
        return ofCompile(failure);
    case FailureKind::BindFailed:
        return tr("モデル「%1」をモデルライブラリ「%2」から読み込めませんでした。\n%3")
            .arg(name, fromStd(failure.path), fromStd(failure.detail));
    case FailureKind::NoModelChosen:
        return tr("リストからモデルを選んでください。");
    case FailureKind::NoModelChosenToEdit:
        return tr("リストから編集するモデルを選んでください。");
    case FailureKind::NoModelChosenToRemove:
        return tr("リストから削除するモデルを選んでください。");
    case FailureKind::NoListChosen:
        return tr("リストファイルを選んでください。");
    }
    return {};
}

}  // namespace

QString failureText(const Failure& failure)
{
    return FailureTexts::of(failure);
}
