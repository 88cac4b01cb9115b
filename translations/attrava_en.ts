<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>CAttravaApp</name>
    <message>
        <source>設定ファイル「%1」に書き込めませんでした。</source>
        <translation>Could not write the settings file &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>CColourBarWindow</name>
    <message>
        <source>ColorBar</source>
        <translation>ColorBar</translation>
    </message>
    <message>
        <source>View%1</source>
        <translation>View%1</translation>
    </message>
</context>
<context>
    <name>CCompileFailureDialog</name>
    <message>
        <source>モデルライブラリをコンパイルしています…</source>
        <translation>Compiling the model library…</translation>
    </message>
    <message>
        <source>コンパイル</source>
        <translation>Compile</translation>
    </message>
    <message>
        <source>コンパイルエラー</source>
        <translation>Compile Error</translation>
    </message>
    <message>
        <source>コンパイラのメッセージ：</source>
        <translation>Compiler messages:</translation>
    </message>
</context>
<context>
    <name>CDimensionResponseWindow</name>
    <message>
        <source>リアプノフ次元の時間変位 DL(t)</source>
        <translation>Temporal Response of Lyapunov Dimension DL(t)</translation>
    </message>
    <message>
        <source>リアプノフ次元の時間変位 DL(t) View-%1</source>
        <translation>Temporal Response of Lyapunov Dimension DL(t) View-%1</translation>
    </message>
</context>
<context>
    <name>CDimensionWindow</name>
    <message>
        <source>リアプノフ次元 DL</source>
        <translation>Lyapunov Dimension DL</translation>
    </message>
    <message>
        <source>リアプノフ次元 DL View-%1</source>
        <translation>Lyapunov Dimension DL View-%1</translation>
    </message>
</context>
<context>
    <name>CEquationWindow</name>
    <message>
        <source>モデル名</source>
        <translation>Model name</translation>
    </message>
    <message>
        <source>モデルの方程式</source>
        <translation>Model equations</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>モデルの方程式 View-%1</source>
        <translation>Model Equations View-%1</translation>
    </message>
</context>
<context>
    <name>CJobProgressWindow</name>
    <message>
        <source>計算中</source>
        <translation>Computing</translation>
    </message>
    <message>
        <source>計算しています。</source>
        <translation>Computing…</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CJobStrip</name>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CLyapunovValueWindow</name>
    <message>
        <source>再計算</source>
        <translation>Recompute</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>CMagnificationDialog</name>
    <message>
        <source>数値を入力してください。</source>
        <translation>Enter a number.</translation>
    </message>
    <message>
        <source>0 から 1000 までの数字を入力してください。</source>
        <translation>Enter a number from 0 to 1000.</translation>
    </message>
    <message>
        <source>0 より大きい数字を入力してください。</source>
        <translation>Enter a number greater than 0.</translation>
    </message>
    <message>
        <source>倍率入力</source>
        <translation>Magnification</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>倍率  x</source>
        <translation>Magnification  x</translation>
    </message>
</context>
<context>
    <name>CModelEditorDialog</name>
    <message>
        <source>数理モデルの新規作成</source>
        <translation>New Mathematical Model</translation>
    </message>
    <message>
        <source>数理モデルの編集</source>
        <translation>Edit Mathematical Model</translation>
    </message>
    <message>
        <source>数理モデルの追加</source>
        <translation>Add Mathematical Model</translation>
    </message>
    <message>
        <source>使用文字：</source>
        <translation>Letters:</translation>
    </message>
    <message>
        <source>使用文字： %1</source>
        <translation>Letters: %1</translation>
    </message>
    <message>
        <source>モデルファイル</source>
        <translation>Model File</translation>
    </message>
    <message>
        <source>ファイル選択</source>
        <translation>Choose File</translation>
    </message>
    <message>
        <source>モデル名</source>
        <translation>Model name</translation>
    </message>
    <message>
        <source>（半角英数、先頭以外数字可）</source>
        <translation>(ASCII letters; digits allowed after the first character)</translation>
    </message>
    <message>
        <source>次元</source>
        <translation>Dimension</translation>
    </message>
    <message>
        <source>パラメータ数</source>
        <translation>Number of parameters</translation>
    </message>
    <message>
        <source>モデルの方程式</source>
        <translation>Model equations</translation>
    </message>
    <message>
        <source>ファイル保存</source>
        <translation>Save File</translation>
    </message>
    <message>
        <source>編集完了</source>
        <translation>Editing Done</translation>
    </message>
    <message>
        <source>リスト追加</source>
        <translation>Add to List</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CModelListDialog</name>
    <message>
        <source>数理モデルの選択</source>
        <translation>Choice of the Mathematical Model</translation>
    </message>
    <message>
        <source>リストファイル</source>
        <translation>List File</translation>
    </message>
    <message>
        <source>選択</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>新規作成</source>
        <translation>New</translation>
    </message>
    <message>
        <source>モデルファイル</source>
        <translation>Model File</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>編集</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>パラメータ設定</source>
        <translation>Parameter Setting</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>「%1」はすでにあります。空のリストで置き換えますか？</source>
        <translation>&quot;%1&quot; already exists. Replace it with an empty list?</translation>
    </message>
    <message>
        <source>現在選択されているリストファイルから生成されるＤＬＬがありません。コンパイルしますか？</source>
        <translation>There is no model library built from the selected list file. Compile it now?</translation>
    </message>
</context>
<context>
    <name>CPsView</name>
    <message>
        <source>描画タイマーのセットに失敗！</source>
        <translation>Could not set the drawing timer!</translation>
    </message>
    <message>
        <source>イベントタイマーのセットに失敗！</source>
        <translation>Could not set the event timer!</translation>
    </message>
</context>
<context>
    <name>CResponseWindow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CSamplingDialog</name>
    <message>
        <source>サンプリング・初期値の設定</source>
        <translation>Sampling, Beginning Value Setting</translation>
    </message>
</context>
<context>
    <name>CSpectrumResponseWindow</name>
    <message>
        <source>リアプノフスペクトラムの時間変位</source>
        <translation>Temporal Response of Lyapunov Spectrum</translation>
    </message>
    <message>
        <source>リアプノフスペクトラムの時間変位 View-%1</source>
        <translation>Temporal Response of Lyapunov Spectrum View-%1</translation>
    </message>
</context>
<context>
    <name>CSpectrumWindow</name>
    <message>
        <source>リアプノフスペクトラム</source>
        <translation>Lyapunov Spectrum</translation>
    </message>
    <message>
        <source>リアプノフスペクトラム View-%1</source>
        <translation>Lyapunov Spectrum View-%1</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>式が空です。</source>
        <translation>The equation is empty.</translation>
    </message>
    <message>
        <source>代入（「=」など）は使えません。</source>
        <translation>Assignments (&quot;=&quot; and the like) cannot be used.</translation>
    </message>
    <message>
        <source>「++」「--」は使えません。</source>
        <translation>&quot;++&quot; and &quot;--&quot; cannot be used.</translation>
    </message>
    <message>
        <source>ビット演算子は使えません。</source>
        <translation>Bit operators cannot be used.</translation>
    </message>
    <message>
        <source>コメントは使えません。</source>
        <translation>Comments cannot be used.</translation>
    </message>
    <message>
        <source>「-&gt;」は使えません。</source>
        <translation>&quot;-&gt;&quot; cannot be used.</translation>
    </message>
    <message>
        <source>「%」は使えません（剰余には fmod(x, y) を使ってください）。</source>
        <translation>&quot;%&quot; cannot be used (use fmod(x, y) for the remainder).</translation>
    </message>
    <message>
        <source>半角以外の文字は使えません。</source>
        <translation>Only single-byte characters can be used.</translation>
    </message>
    <message>
        <source>制御文字は使えません。</source>
        <translation>Control characters cannot be used.</translation>
    </message>
    <message>
        <source>使えない文字「%1」があります。</source>
        <translation>The character &quot;%1&quot; cannot be used.</translation>
    </message>
    <message>
        <source>数値「%1」の書き方が正しくありません。</source>
        <translation>The number &quot;%1&quot; is not written correctly.</translation>
    </message>
    <message>
        <source>数値「%1」は先頭に 0 を付けずに書いてください（C では 8 進数として読まれます）。</source>
        <translation>Write the number &quot;%1&quot; without a leading 0 (C reads it as an octal number).</translation>
    </message>
    <message>
        <source>式の入れ子が深すぎます。</source>
        <translation>The equation is nested too deeply.</translation>
    </message>
    <message>
        <source>「%1」が足りません。</source>
        <translation>&quot;%1&quot; is missing.</translation>
    </message>
    <message>
        <source>「%1」の位置に「%2」が必要です。</source>
        <translation>&quot;%2&quot; is needed where &quot;%1&quot; is.</translation>
    </message>
    <message>
        <source>「)」に対応する「(」がありません。</source>
        <translation>A &quot;)&quot; has no matching &quot;(&quot;.</translation>
    </message>
    <message>
        <source>「,」は関数の引数の区切りにだけ使えます。</source>
        <translation>&quot;,&quot; can only separate the arguments of a function.</translation>
    </message>
    <message>
        <source>「%1」の前に演算子が必要です。</source>
        <translation>An operator is needed before &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>式が途中で終わっています。</source>
        <translation>The equation ends too early.</translation>
    </message>
    <message>
        <source>「%1」の位置に値がありません。</source>
        <translation>A value is missing where &quot;%1&quot; is.</translation>
    </message>
    <message>
        <source>使えない名前「%1」があります。使えるのは %2、数値と C の数学関数です。</source>
        <translation>The name &quot;%1&quot; cannot be used. Allowed are %2, numbers and the C math functions.</translation>
    </message>
    <message>
        <source>関数「%1」の後に「(」がありません。</source>
        <translation>The function &quot;%1&quot; is not followed by &quot;(&quot;.</translation>
    </message>
    <message>
        <source>関数「%1」の引数は %2 個です。</source>
        <translation>The function &quot;%1&quot; takes %2 arguments.</translation>
    </message>
    <message>
        <source>モデルリストをコンパイルできませんでした。モデルライブラリは以前のままです。コンパイラのメッセージを見てモデルを修正してください。</source>
        <translation>The model list could not be compiled. The model library stays as it was. Correct the model after the compiler&apos;s messages.</translation>
    </message>
    <message>
        <source>モデル「%1」を含むモデルリストをコンパイルできませんでした。モデルライブラリは以前のままです。コンパイラのメッセージを見てモデルを修正してください。</source>
        <translation>The model list with the model &quot;%1&quot; could not be compiled. The model library stays as it was. Correct the model after the compiler&apos;s messages.</translation>
    </message>
    <message>
        <source>モデルファイルが開けません。ファイルを選択してください。</source>
        <translation>The model file cannot be opened. Choose a file.</translation>
    </message>
    <message>
        <source>モデルファイル「%1」のサンプリング間隔 %2 は使えません。サンプリング間隔には正の数を指定してください。</source>
        <translation>The sampling interval %2 of the model file &quot;%1&quot; cannot be used. Give a positive sampling interval.</translation>
    </message>
    <message>
        <source>リストファイルが開けません。ファイルを選択してください。</source>
        <translation>The list file cannot be opened. Choose a file.</translation>
    </message>
    <message>
        <source>リストファイルが開けません。</source>
        <translation>The list file cannot be opened.</translation>
    </message>
    <message>
        <source>データファイルが開けません。</source>
        <translation>The data file cannot be opened.</translation>
    </message>
    <message>
        <source>モデル名を入力してください。</source>
        <translation>Enter a model name.</translation>
    </message>
    <message>
        <source>モデルの名前には半角英語を使用してください。２文字目以降は数字も可能です。</source>
        <translation>Use single-byte letters for the model name; digits are allowed from the second character on.</translation>
    </message>
    <message>
        <source>モデルの名前「%1」は C の予約語か宣言済みの関数の名前なので使えません。</source>
        <translation>The model name &quot;%1&quot; is a C keyword or the name of a declared function and cannot be used.</translation>
    </message>
    <message>
        <source>リストには同じ名前のモデル「%1」がすでにあります。</source>
        <translation>The list already holds a model named &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>モデルファイルのパスに改行は使えません。</source>
        <translation>The model file&apos;s path cannot contain a line break.</translation>
    </message>
    <message>
        <source>次元かパラメータ数が範囲外です。</source>
        <translation>The dimension or the number of parameters is out of range.</translation>
    </message>
    <message>
        <source>d%1/dt の式が正しくありません：%2</source>
        <translation>The equation of d%1/dt is not correct: %2</translation>
    </message>
    <message>
        <source>モデル「%1」をモデルライブラリ「%2」から読み込めませんでした。
%3</source>
        <translation>The model &quot;%1&quot; could not be loaded from the model library &quot;%2&quot;.
%3</translation>
    </message>
    <message>
        <source>リストからモデルを選んでください。</source>
        <translation>Choose a model from the list.</translation>
    </message>
    <message>
        <source>リストから編集するモデルを選んでください。</source>
        <translation>Choose the model to edit from the list.</translation>
    </message>
    <message>
        <source>リストから削除するモデルを選んでください。</source>
        <translation>Choose the model to delete from the list.</translation>
    </message>
    <message>
        <source>リストファイルを選んでください。</source>
        <translation>Choose a list file.</translation>
    </message>
</context>
<context>
    <name>ModelStart</name>
    <message>
        <source>モデルリスト「%1」を開けません。</source>
        <translation>The model list &quot;%1&quot; cannot be opened.</translation>
    </message>
    <message>
        <source>モデル「%1」はモデルリスト「%2」にありません。
リストのモデル: %3</source>
        <translation>The model &quot;%1&quot; is not in the model list &quot;%2&quot;.
Models of the list: %3</translation>
    </message>
    <message>
        <source>モデルライブラリを作れませんでした。
%1</source>
        <translation>The model library could not be built.
%1</translation>
    </message>
    <message>
        <source>モデル「%1」の軌道を計算できませんでした。</source>
        <translation>The orbit of the model &quot;%1&quot; could not be computed.</translation>
    </message>
</context>
<context>
    <name>PointerTools</name>
    <message>
        <source>初期値 x = %1, y = %2, z = %3</source>
        <translation>Beginning value x = %1, y = %2, z = %3</translation>
    </message>
</context>
<context>
    <name>StartChecks</name>
    <message>
        <source>設定ファイル「%1」の次の値は使えないため、既定値を使います。
%2</source>
        <translation>These values of the settings file &quot;%1&quot; cannot be used; their defaults are used instead.
%2</translation>
    </message>
    <message>
        <source>設定されたモデルリスト「%1」が見つかりません。付属のモデルリスト「%2」を使います。</source>
        <translation>The configured model list &quot;%1&quot; was not found. The shipped model list &quot;%2&quot; is used.</translation>
    </message>
</context>
<context>
    <name>ViewImage</name>
    <message>
        <source>画像を保存</source>
        <translation>Save Image</translation>
    </message>
    <message>
        <source>PNG 画像 (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>画像を %1 に保存できませんでした。</source>
        <translation>The image could not be saved to %1.</translation>
    </message>
</context>
</TS>
