<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>AxisArrangementPage</name>
    <message>
        <source>４次元軸配置</source>
        <translation>Axes for four variables</translation>
    </message>
    <message>
        <source>放射状配置</source>
        <translation>Radial</translation>
    </message>
    <message>
        <source>正方体配置</source>
        <translation>Cube</translation>
    </message>
    <message>
        <source>超立方体配置</source>
        <translation>Hypercube</translation>
    </message>
    <message>
        <source>直行座標系＋色軸選択</source>
        <translation>Cartesian axes with a colour axis</translation>
    </message>
    <message>
        <source>３次元直行座標＋α</source>
        <translation>Cartesian 3-D plus one</translation>
    </message>
    <message>
        <source>%1 座標成分</source>
        <translation>component %1</translation>
    </message>
    <message>
        <source>５次元以上の軸配置</source>
        <translation>Axes for five or more variables</translation>
    </message>
</context>
<context>
    <name>AxisSettingPage</name>
    <message>
        <source>軸型</source>
        <translation>Axes</translation>
    </message>
    <message>
        <source>箱型</source>
        <translation>Box</translation>
    </message>
    <message>
        <source>軸の色固定</source>
        <translation>Fixed axis colours</translation>
    </message>
    <message>
        <source>軸長さ固定</source>
        <translation>Fixed axis length</translation>
    </message>
    <message>
        <source>軸目盛り</source>
        <translation>Axis ticks</translation>
    </message>
    <message>
        <source>目盛り数(目安)</source>
        <translation>Number of ticks (about)</translation>
    </message>
    <message>
        <source>座標軸名</source>
        <translation>Axis names</translation>
    </message>
    <message>
        <source>枠表示</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>背面表示</source>
        <translation>Back planes</translation>
    </message>
    <message>
        <source>背面透過率(1-10)</source>
        <translation>Back-plane transparency (1-10)</translation>
    </message>
    <message>
        <source>x-y平面格子</source>
        <translation>x-y plane lattice</translation>
    </message>
</context>
<context>
    <name>BasicConfigurationPage</name>
    <message>
        <source>初期値</source>
        <translation>Beginning value</translation>
    </message>
    <message>
        <source>現在値を代入</source>
        <translation>Take Current Values</translation>
    </message>
    <message>
        <source>サンプリングの設定</source>
        <translation>Sampling</translation>
    </message>
    <message>
        <source>サンプリング数</source>
        <translation>Sampling points</translation>
    </message>
    <message>
        <source>固定</source>
        <translation>Fixed</translation>
    </message>
    <message>
        <source>間隔</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>精度</source>
        <translation>Accuracy</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>バージョン情報</source>
        <translation>Version Information</translation>
    </message>
    <message>
        <source>連続力学系のアトラクタを描き、解析する実験室</source>
        <translation>A laboratory that draws and analyses the attractors of continuous dynamical systems</translation>
    </message>
    <message>
        <source>Attrava 開発グループ</source>
        <translation>The Attrava developers</translation>
    </message>
</context>
<context>
    <name>CAnalysedSeriesWindow</name>
    <message>
        <source>時系列データ</source>
        <translation>Time-Series Data</translation>
    </message>
    <message>
        <source>時系列データ View-%1</source>
        <translation>Time-Series Data View-%1</translation>
    </message>
</context>
<context>
    <name>CAttravaApp</name>
    <message>
        <source>設定ファイル「%1」に書き込めませんでした。</source>
        <translation>Could not write the settings file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>表示言語は次回の起動から変わります。</source>
        <translation>The language of the texts changes at the next start.</translation>
    </message>
    <message>
        <source>メニュー → 数理モデル解析 でモデルを選んでください</source>
        <translation>Menu → Mathematical Model Analysis to choose a model</translation>
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
    <name>CDefaultParameterSheet</name>
    <message>
        <source>基本設定</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>パラメータ設定</source>
        <translation>Parameter Setting</translation>
    </message>
    <message>
        <source>提示設定</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>デフォルトパラメータの設定 View-%1</source>
        <translation>Default Parameter Setting View-%1</translation>
    </message>
    <message>
        <source>デフォルトパラメータの設定</source>
        <translation>Default Parameter Setting</translation>
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
    <name>CEnvironmentSheet</name>
    <message>
        <source>設定ファイル「%1」に書き込めませんでした。</source>
        <translation>Could not write the settings file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>表示カラー</source>
        <translation>Display Colours</translation>
    </message>
    <message>
        <source>軸設定</source>
        <translation>Axes</translation>
    </message>
    <message>
        <source>軸配置</source>
        <translation>Axis Arrangement</translation>
    </message>
    <message>
        <source>環境設定 View-%1</source>
        <translation>Environment Setting View-%1</translation>
    </message>
    <message>
        <source>環境設定</source>
        <translation>Environment Setting</translation>
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
    <name>CGapParallaxDialog</name>
    <message>
        <source>CrystalEYES設定ダイアログ</source>
        <translation>CrystalEYES Settings</translation>
    </message>
    <message>
        <source>上下View間の隙間設定</source>
        <translation>Gap between the upper and lower view</translation>
    </message>
    <message>
        <source>両眼間の視差設定</source>
        <translation>Parallax between the eyes</translation>
    </message>
    <message>
        <source>適用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
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
    <name>CLocalLyapunovDialog</name>
    <message>
        <source>初期誤差の設定</source>
        <translation>Initial error</translation>
    </message>
    <message>
        <source>適用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>View-%1</source>
        <translation>View-%1</translation>
    </message>
    <message>
        <source>局所的リアプノフ指数</source>
        <translation>Local Lyapunov Exponent</translation>
    </message>
    <message>
        <source>初期誤差のどれかの成分に 0 でない値を入力してください。</source>
        <translation>Give at least one component of the initial error a value other than 0.</translation>
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
    <name>CMainFrame</name>
    <message>
        <source>ツールバー</source>
        <translation>Toolbar</translation>
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
    <name>CModelessPropertySheet</name>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>適用(&amp;A)</source>
        <translation>&amp;Apply</translation>
    </message>
</context>
<context>
    <name>CParameterDialog</name>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>初期化</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>適用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>パラメータ値の変更 View-%1</source>
        <translation>Parameter Values View-%1</translation>
    </message>
    <message>
        <source>パラメータ値の設定</source>
        <translation>Parameter Values</translation>
    </message>
    <message>
        <source>パラメータ %1 の値「%2」は数値ではありません。値は変更されませんでした。</source>
        <translation>The value &quot;%2&quot; of parameter %1 is not a number. The value was not changed.</translation>
    </message>
</context>
<context>
    <name>CPhaseSpaceDialog</name>
    <message>
        <source>アトラクタ</source>
        <translation>Attractor</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>非表示</source>
        <translation>Hide</translation>
    </message>
    <message>
        <source>提示方法</source>
        <translation>Presentation</translation>
    </message>
    <message>
        <source>速度ベクトル</source>
        <translation>Velocity vectors</translation>
    </message>
    <message>
        <source>速度の分布</source>
        <translation>Speed distribution</translation>
    </message>
    <message>
        <source>一辺の格子数</source>
        <translation>Lattice points per side</translation>
    </message>
    <message>
        <source>格子点間隔</source>
        <translation>Lattice spacing</translation>
    </message>
    <message>
        <source>点の大きさ</source>
        <translation>Point size</translation>
    </message>
    <message>
        <source>X方向の移動</source>
        <translation>Shift in X</translation>
    </message>
    <message>
        <source>Y方向の移動</source>
        <translation>Shift in Y</translation>
    </message>
    <message>
        <source>Z方向の移動</source>
        <translation>Shift in Z</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>適用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>相空間の設定</source>
        <translation>Phase Space Settings</translation>
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
    <name>CReconstructionWindow</name>
    <message>
        <source>再構成次元</source>
        <translation>Dimension</translation>
    </message>
    <message>
        <source>３次元</source>
        <translation>3 dimensions</translation>
    </message>
    <message>
        <source>４次元</source>
        <translation>4 dimensions</translation>
    </message>
    <message>
        <source>５次元</source>
        <translation>5 dimensions</translation>
    </message>
    <message>
        <source>６次元</source>
        <translation>6 dimensions</translation>
    </message>
    <message>
        <source>遅れ時間τ</source>
        <translation>Delay τ</translation>
    </message>
    <message>
        <source>埋め込みの推奨</source>
        <translation>Embedding advice</translation>
    </message>
    <message>
        <source>推奨値を使う</source>
        <translation>Use the Advice</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>適用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>再構成次元、遅れ時間τの設定</source>
        <translation>Reconstructive Dimension, Delay Time τ Setting</translation>
    </message>
    <message>
        <source>再構成次元、遅れ時間τの設定 View-%1</source>
        <translation>Reconstructive Dimension, Delay Time τ Setting View-%1</translation>
    </message>
    <message>
        <source>データ数 %1 では、次元 %2、遅れ時間 %3 の再構成ベクトルが2個未満です。次元か遅れ時間を小さくしてください。</source>
        <translation>%1 values give fewer than two reconstructed vectors at dimension %2 and delay %3. Choose a smaller dimension or delay.</translation>
    </message>
    <message>
        <source>推奨値の計算は中止されました。</source>
        <translation>The advice was cancelled.</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>none</translation>
    </message>
    <message>
        <source>推奨遅れ時間 τ: 計算中…</source>
        <translation>Advised delay τ: computing…</translation>
    </message>
    <message>
        <source>推奨次元: 計算中…</source>
        <translation>Advised dimension: computing…</translation>
    </message>
    <message>
        <source>推奨遅れ時間 τ: %1</source>
        <translation>Advised delay τ: %1</translation>
    </message>
    <message>
        <source>推奨次元: %1</source>
        <translation>Advised dimension: %1</translation>
    </message>
</context>
<context>
    <name>CRecurrenceWindow</name>
    <message>
        <source>RR %1   DET %2   L %3   Lmax %4   ENTR %5   LAM %6   TT %7   (ε = %8)</source>
        <translation>RR %1   DET %2   L %3   Lmax %4   ENTR %5   LAM %6   TT %7   (ε = %8)</translation>
    </message>
    <message>
        <source>しきい値 ε 以下を黒で表示</source>
        <translation>Black where the distance is at most ε</translation>
    </message>
    <message>
        <source>描画</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>半径 ε</source>
        <translation>Radius ε</translation>
    </message>
    <message>
        <source>目標 RR</source>
        <translation>Target RR</translation>
    </message>
    <message>
        <source>Theiler 窓 W</source>
        <translation>Theiler window W</translation>
    </message>
    <message>
        <source>測定</source>
        <translation>Measure</translation>
    </message>
    <message>
        <source>リカレンスプロット</source>
        <translation>Recurrence Plot</translation>
    </message>
    <message>
        <source>リカレンスプロット View-%1</source>
        <translation>Recurrence Plot View-%1</translation>
    </message>
    <message>
        <source>半径 ε には正の数を入力してください。</source>
        <translation>Give the radius ε as a positive number.</translation>
    </message>
    <message>
        <source>目標 RR には 0 より大きく 1 より小さい数を入力してください。</source>
        <translation>Give the target RR as a number greater than 0 and less than 1.</translation>
    </message>
    <message>
        <source>測定中…</source>
        <translation>Measuring…</translation>
    </message>
    <message>
        <source>測定は中止されました。</source>
        <translation>The measurement was cancelled.</translation>
    </message>
    <message>
        <source>この軌道では測定できません（点が少なすぎるか、設定が不適切です）。</source>
        <translation>This orbit cannot be measured (too few points, or unsuitable settings).</translation>
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
    <name>CScanWindow</name>
    <message>
        <source>極大値</source>
        <translation>Maxima</translation>
    </message>
    <message>
        <source>断面</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>スペクトラム</source>
        <translation>Spectrum</translation>
    </message>
    <message>
        <source>パラメータ</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>範囲</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>～</source>
        <translation>to</translation>
    </message>
    <message>
        <source>個数</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>種類</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>過渡点数</source>
        <translation>Transient points</translation>
    </message>
    <message>
        <source>解析点数</source>
        <translation>Analysed points</translation>
    </message>
    <message>
        <source>変数</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>走査</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>パラメータ走査</source>
        <translation>Parameter Scan</translation>
    </message>
    <message>
        <source>パラメータ走査 View-%1</source>
        <translation>Parameter Scan View-%1</translation>
    </message>
    <message>
        <source>数値を入力してください。</source>
        <translation>Enter a number.</translation>
    </message>
    <message>
        <source>%1 / %2 個</source>
        <translation>%1 / %2</translation>
    </message>
</context>
<context>
    <name>CSeriesDataWindow</name>
    <message>
        <source>時系列データ</source>
        <translation>Time-Series Data</translation>
    </message>
    <message>
        <source>時系列データ View-%1</source>
        <translation>Time-Series Data View-%1</translation>
    </message>
</context>
<context>
    <name>CSeriesExponentPanel</name>
    <message>
        <source>最大リアプノフ指数</source>
        <translation>Largest Lyapunov exponent</translation>
    </message>
    <message>
        <source>k（ステップ）</source>
        <translation>k (steps)</translation>
    </message>
    <message>
        <source>当てはめ範囲 k:</source>
        <translation>Fit range k:</translation>
    </message>
    <message>
        <source>〜</source>
        <translation>to</translation>
    </message>
    <message>
        <source>計算中…</source>
        <translation>Computing…</translation>
    </message>
    <message>
        <source>計算は中止されました。</source>
        <translation>The computation was cancelled.</translation>
    </message>
    <message>
        <source>この再構成では指数を求められません（系列が短すぎるか、近傍の組が足りません）。</source>
        <translation>No exponent for this reconstruction (the series is too short or there are too few neighbour pairs).</translation>
    </message>
    <message>
        <source>λ = %1 /サンプル（次元 %2、遅れ時間 %3、W = %4）</source>
        <translation>λ = %1 per sample (dimension %2, delay %3, W = %4)</translation>
    </message>
</context>
<context>
    <name>CSeriesFileDialog</name>
    <message>
        <source>整数</source>
        <translation>Integer</translation>
    </message>
    <message>
        <source>実数</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>時系列データファイルの選択</source>
        <translation>Choice of the Time-Series Data File</translation>
    </message>
    <message>
        <source>時系列データファイル</source>
        <translation>Time-series data file</translation>
    </message>
    <message>
        <source>選択</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>データのみ</source>
        <translation>Data only</translation>
    </message>
    <message>
        <source>カンマ区切り&#x3000;data,data,data,…</source>
        <translation>Comma-separated  data,data,data,…</translation>
    </message>
    <message>
        <source>スペース区切り&#x3000;data data data …</source>
        <translation>Space-separated  data data data …</translation>
    </message>
    <message>
        <source>タブ区切り&#x3000;data    data    data     …</source>
        <translation>Tab-separated  data    data    data     …</translation>
    </message>
    <message>
        <source>改行&#x3000;data↓</source>
        <translation>One per line  data↓</translation>
    </message>
    <message>
        <source>時間（間隔一定）、データ</source>
        <translation>Time (even intervals), data</translation>
    </message>
    <message>
        <source>カンマ区切り&#x3000;time,data↓</source>
        <translation>Comma-separated  time,data↓</translation>
    </message>
    <message>
        <source>スペース区切り&#x3000;time data↓</source>
        <translation>Space-separated  time data↓</translation>
    </message>
    <message>
        <source>タブ区切り&#x3000;time    data↓</source>
        <translation>Tab-separated  time    data↓</translation>
    </message>
    <message>
        <source>データ値の書式</source>
        <translation>Data values</translation>
    </message>
    <message>
        <source>時間値の書式</source>
        <translation>Time values</translation>
    </message>
    <message>
        <source>データ読み込みサンプル</source>
        <translation>Sample of the data read</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>TimesData Files (*.txt);;All Files (*)</source>
        <translation>Time-Series Data Files (*.txt);;All Files (*)</translation>
    </message>
</context>
<context>
    <name>CSeriesWindow</name>
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
    <name>CommandTable</name>
    <message>
        <source>数理モデル解析</source>
        <translation>Mathematical Model Analysis</translation>
    </message>
    <message>
        <source>時系列データ解析</source>
        <translation>Longitudinal Data Analysis</translation>
    </message>
    <message>
        <source>アプリケーションの終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>画像を保存…</source>
        <translation>Save Image…</translation>
    </message>
    <message>
        <source>表示中の画面を PNG 画像に保存
画像を保存</source>
        <translation>Save the shown frame as a PNG image
Save Image</translation>
    </message>
    <message>
        <source>アトラクタ構造</source>
        <translation>Attractor Structure</translation>
    </message>
    <message>
        <source>アトラクタ構造の提示
アトラクタ構造の提示</source>
        <translation>Show the attractor structure
Attractor Structure</translation>
    </message>
    <message>
        <source>速度分布</source>
        <translation>Velocity Distribution</translation>
    </message>
    <message>
        <source>速度分布の提示
速度分布の提示</source>
        <translation>Show the velocity distribution
Velocity Distribution</translation>
    </message>
    <message>
        <source>局所的リアプノフ指数分布</source>
        <translation>Local Lyapunov Exponent</translation>
    </message>
    <message>
        <source>局所的リアプノフ指数の提示
局所的リアプノフ指数の提示</source>
        <translation>Show the local Lyapunov exponent distribution
Local Lyapunov Exponent</translation>
    </message>
    <message>
        <source>相空間のベクトル場</source>
        <translation>Vector Field of Phase Space</translation>
    </message>
    <message>
        <source>速度ベクトル場の提示
速度ベクトル場の提示</source>
        <translation>Show the velocity vector field
Vector Field</translation>
    </message>
    <message>
        <source>移動・回転</source>
        <translation>Translation, Rotation</translation>
    </message>
    <message>
        <source>ポインタによるオブジェクトの移動と回転
移動・回転</source>
        <translation>Move and turn the objects with the pointer
Translation, Rotation</translation>
    </message>
    <message>
        <source>初期値の入力</source>
        <translation>Assign a Beginning Value</translation>
    </message>
    <message>
        <source>ポインタを用いた初期値の入力
初期値入力</source>
        <translation>Set the beginning value with the pointer
Beginning Value</translation>
    </message>
    <message>
        <source>ベクトル場の局所情報提示</source>
        <translation>Local Information of Phase Space</translation>
    </message>
    <message>
        <source>ベクトル場の局所的情報提示
ベクトル場の局所的情報提示</source>
        <translation>Show the local information of the vector field
Local Information</translation>
    </message>
    <message>
        <source>サンプリング・初期値の設定</source>
        <translation>Sampling, Beginning Value Setting</translation>
    </message>
    <message>
        <source>パラメータの設定</source>
        <translation>Parameter Setting</translation>
    </message>
    <message>
        <source>リアプノフスペクトラム</source>
        <translation>Lyapunov Spectrum</translation>
    </message>
    <message>
        <source>リアプノフスペクトラムの時間推移</source>
        <translation>Temporal Response of Lyapunov Spectrum</translation>
    </message>
    <message>
        <source>リアプノフ次元DL</source>
        <translation>Lyapunov Dimension</translation>
    </message>
    <message>
        <source>リアプノフ次元の時間推移</source>
        <translation>Temporal Response of Lyapunov Dimension</translation>
    </message>
    <message>
        <source>リカレンスプロット</source>
        <translation>Recurrence Plot</translation>
    </message>
    <message>
        <source>数理モデルの方程式の提示</source>
        <translation>Mathematical Model Equation Display</translation>
    </message>
    <message>
        <source>時系列データの提示</source>
        <translation>Longitudinal Data Display</translation>
    </message>
    <message>
        <source>カラーバーの提示</source>
        <translation>ColorBar Display</translation>
    </message>
    <message>
        <source>再構成次元、遅れ時間の設定</source>
        <translation>Reconstructive Dimension, Delay Time Setting</translation>
    </message>
    <message>
        <source>解析時系列データの提示</source>
        <translation>Analysis Longitudinal Data Display</translation>
    </message>
    <message>
        <source>パラメータ走査</source>
        <translation>Parameter Scan</translation>
    </message>
    <message>
        <source>デフォルトパラメータの設定</source>
        <translation>Default Parameter Setting</translation>
    </message>
    <message>
        <source>環境設定</source>
        <translation>Environment Setting</translation>
    </message>
    <message>
        <source>&amp;Mouse</source>
        <translation>&amp;Mouse</translation>
    </message>
    <message>
        <source>&amp;PHANToM(TM)</source>
        <translation>&amp;PHANToM(TM)</translation>
    </message>
    <message>
        <source>&amp;SPIDAR G</source>
        <translation>&amp;SPIDAR G</translation>
    </message>
    <message>
        <source>通常モード</source>
        <translation>Normal Mode</translation>
    </message>
    <message>
        <source>CRTディスプレイを使用する</source>
        <translation>Use a CRT display</translation>
    </message>
    <message>
        <source>上下２分割（立体視用）</source>
        <translation>Up and Down (Stereovision)</translation>
    </message>
    <message>
        <source>液晶シャッター眼鏡(CrystalEyes)を使用する</source>
        <translation>Use liquid-crystal shutter glasses (CrystalEyes)</translation>
    </message>
    <message>
        <source>左右２分割（立体視用）</source>
        <translation>Right and Left (Stereovision)</translation>
    </message>
    <message>
        <source>HeadMountDisplayを使用する</source>
        <translation>Use a head-mounted display</translation>
    </message>
    <message>
        <source>上下ビュー間の隙間、視差設定</source>
        <translation>Gap in the Up and Down View Setting</translation>
    </message>
    <message>
        <source>1 View</source>
        <translation>1 View</translation>
    </message>
    <message>
        <source>Viewの選択ボタン・シングルView
シングルView</source>
        <translation>Show one view
Single View</translation>
    </message>
    <message>
        <source>2 View</source>
        <translation>2 View</translation>
    </message>
    <message>
        <source>Viewの選択ボタン・ツインView
ツインView</source>
        <translation>Show two views
Twin View</translation>
    </message>
    <message>
        <source>4 View</source>
        <translation>4 View</translation>
    </message>
    <message>
        <source>Viewの選択ボタン・４View
４View</source>
        <translation>Show four views
4 View</translation>
    </message>
    <message>
        <source>9 View</source>
        <translation>9 View</translation>
    </message>
    <message>
        <source>Viewの選択ボタン・９View
９View</source>
        <translation>Show nine views
9 View</translation>
    </message>
    <message>
        <source>ALL View</source>
        <translation>ALL View</translation>
    </message>
    <message>
        <source>全てのViewを操作する場合のボタン
全てのViewをアクティブ</source>
        <translation>Let the commands act on every view
All Views Active</translation>
    </message>
    <message>
        <source>x Free</source>
        <translation>x Free</translation>
    </message>
    <message>
        <source>x Auto</source>
        <translation>x Auto</translation>
    </message>
    <message>
        <source>座標軸の提示</source>
        <translation>Axis Display</translation>
    </message>
    <message>
        <source>座標軸の提示
座標軸の提示</source>
        <translation>Show the axes
Axis Display</translation>
    </message>
    <message>
        <source>提示位置リセット</source>
        <translation>Display Position Reset</translation>
    </message>
    <message>
        <source>オブジェクト位置リセット
オブジェクト位置リセット</source>
        <translation>Put the objects back in place
Display Position Reset</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>Version Information</translation>
    </message>
    <message>
        <source>提示モード(&amp;V)</source>
        <translation>&amp;Presentation Mode</translation>
    </message>
    <message>
        <source>ツール(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>入出力インターフェース</source>
        <translation>Input/Output Interface</translation>
    </message>
    <message>
        <source>ディスプレイ設定</source>
        <translation>Display Setting</translation>
    </message>
    <message>
        <source>マルチビューモード</source>
        <translation>Multi-View Mode</translation>
    </message>
    <message>
        <source>スケール</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>x 100</source>
        <translation>x 100</translation>
    </message>
    <message>
        <source>x 100
x 100</source>
        <translation>x 100
x 100</translation>
    </message>
    <message>
        <source>x 50</source>
        <translation>x 50</translation>
    </message>
    <message>
        <source>x 50
x 50</source>
        <translation>x 50
x 50</translation>
    </message>
    <message>
        <source>x 10</source>
        <translation>x 10</translation>
    </message>
    <message>
        <source>x 10
x 10</source>
        <translation>x 10
x 10</translation>
    </message>
    <message>
        <source>x 5</source>
        <translation>x 5</translation>
    </message>
    <message>
        <source>x 5
x 5</source>
        <translation>x 5
x 5</translation>
    </message>
    <message>
        <source>x 1</source>
        <translation>x 1</translation>
    </message>
    <message>
        <source>x 1
x 1</source>
        <translation>x 1
x 1</translation>
    </message>
    <message>
        <source>x 0.5</source>
        <translation>x 0.5</translation>
    </message>
    <message>
        <source>x 0.5
x 0.5</source>
        <translation>x 0.5
x 0.5</translation>
    </message>
    <message>
        <source>x 0.1</source>
        <translation>x 0.1</translation>
    </message>
    <message>
        <source>x 0.1
x 0.1</source>
        <translation>x 0.1
x 0.1</translation>
    </message>
    <message>
        <source>x 0.05</source>
        <translation>x 0.05</translation>
    </message>
    <message>
        <source>x 0.05
x 0.05</source>
        <translation>x 0.05
x 0.05</translation>
    </message>
    <message>
        <source>x 0.01</source>
        <translation>x 0.01</translation>
    </message>
    <message>
        <source>x 0.01
x 0.01</source>
        <translation>x 0.01
x 0.01</translation>
    </message>
    <message>
        <source>x 0.005</source>
        <translation>x 0.005</translation>
    </message>
    <message>
        <source>x 0.005
x 0.005</source>
        <translation>x 0.005
x 0.005</translation>
    </message>
    <message>
        <source>x 0.001</source>
        <translation>x 0.001</translation>
    </message>
    <message>
        <source>x 0.001
x 0.001</source>
        <translation>x 0.001
x 0.001</translation>
    </message>
    <message>
        <source>メニュー(&amp;M)</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>デバイス(&amp;D)</source>
        <translation>&amp;Device</translation>
    </message>
    <message>
        <source>&amp;PHANToM</source>
        <translation>&amp;PHANToM</translation>
    </message>
    <message>
        <source>日本語で表示する（次回の起動から）</source>
        <translation>Show the texts in Japanese (from the next start)</translation>
    </message>
    <message>
        <source>英語で表示する（次回の起動から）</source>
        <translation>Show the texts in English (from the next start)</translation>
    </message>
    <message>
        <source>言語</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>このビューでモデル解析</source>
        <translation>Model Analysis in This View</translation>
    </message>
    <message>
        <source>このビューで時系列解析</source>
        <translation>Time-Series Analysis in This View</translation>
    </message>
</context>
<context>
    <name>DisplayColourPage</name>
    <message>
        <source>背景</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>床・部屋</source>
        <translation>Floor and room</translation>
    </message>
    <message>
        <source>格子数</source>
        <translation>Lattice lines</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>none</translation>
    </message>
    <message>
        <source>格子状の床</source>
        <translation>Lattice floor</translation>
    </message>
    <message>
        <source>チェック柄の床</source>
        <translation>Checked floor</translation>
    </message>
    <message>
        <source>軌道の提示</source>
        <translation>Orbit</translation>
    </message>
    <message>
        <source>影あり</source>
        <translation>With shadow</translation>
    </message>
    <message>
        <source>影なし</source>
        <translation>Without shadow</translation>
    </message>
</context>
<context>
    <name>DisplayConfigurationPage</name>
    <message>
        <source>基準提示サイズ</source>
        <translation>Reference display size</translation>
    </message>
    <message>
        <source>現在値を代入</source>
        <translation>Take Current Values</translation>
    </message>
    <message>
        <source>提示位置</source>
        <translation>Display position</translation>
    </message>
    <message>
        <source>アトラクタ提示</source>
        <translation>Attractor</translation>
    </message>
    <message>
        <source>相空間の提示</source>
        <translation>Phase space</translation>
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
    <name>ParameterConfigurationPage</name>
    <message>
        <source>パラメータ値</source>
        <translation>Parameter values</translation>
    </message>
    <message>
        <source>パラメータの変更範囲</source>
        <translation>Parameter ranges</translation>
    </message>
    <message>
        <source>～</source>
        <translation>to</translation>
    </message>
    <message>
        <source>現在値を代入</source>
        <translation>Take Current Values</translation>
    </message>
</context>
<context>
    <name>PlotWindow</name>
    <message>
        <source>画像を保存…</source>
        <translation>Save Image…</translation>
    </message>
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
    <message>
        <source>CSV で保存…</source>
        <translation>Save as CSV…</translation>
    </message>
    <message>
        <source>CSV で保存</source>
        <translation>Save as CSV</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>CSV を %1 に保存できませんでした。</source>
        <translation>The CSV could not be saved to %1.</translation>
    </message>
    <message>
        <source>値をコピー</source>
        <translation>Copy Values</translation>
    </message>
</context>
<context>
    <name>PointerTools</name>
    <message>
        <source>初期値 x = %1, y = %2, z = %3</source>
        <translation>Beginning value x = %1, y = %2, z = %3</translation>
    </message>
    <message>
        <source>初期値を元に戻す</source>
        <translation>Undo Beginning Value</translation>
    </message>
    <message>
        <source>初期値を戻しました。</source>
        <translation>The beginning value is restored.</translation>
    </message>
</context>
<context>
    <name>ProgramPictures</name>
    <message>
        <source>連続力学系の実験室</source>
        <translation>A laboratory for continuous dynamical systems</translation>
    </message>
</context>
<context>
    <name>SeriesAnalysis</name>
    <message>
        <source>データファイル「%1」に読める値がありません。</source>
        <translation>The data file &quot;%1&quot; holds no value that can be read.</translation>
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
    <name>StereoLayout</name>
    <message>
        <source>この機種では%1 x %2 ハイカラー以上の解像度に変更できません。</source>
        <translation>This machine cannot change to %1 x %2 with high colour or more.</translation>
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
