// The update rules of the presentation and pointer-tool commands that go with
// the vector field, the local Lyapunov distribution, the axes and the display
// position: whether each item is enabled and whether it shows a check mark.
#pragma once

#include "document/command_rules.h"

// "アトラクタ構造", "速度分布": any view with its orbit ready; checked while it
// shows that colouring.
CommandUpdate attractorStructureRule(const CUser& document);
CommandUpdate velocityDistributionRule(const CUser& document);
// "局所的リアプノフ指数分布": a model view; checked while it shows the local
// Lyapunov exponent distribution.
CommandUpdate localLyapunovRule(const CUser& document);
// "相空間のベクトル場": a three-variable model view; checked while its field
// is on.
CommandUpdate vectorFieldRule(const CUser& document);
// "移動・回転": the active view's orbit is ready; checked while the tool is on,
// also under "ALL View".
CommandUpdate translationRotationRule(const CUser& document);
// "初期値の入力": a three-variable model view with its orbit ready; checked
// while the tool is on.
CommandUpdate initialValueInputRule(const CUser& document);
// "ベクトル場の局所情報提示": the active view shows the field of a
// three-variable model; checked while probing.
CommandUpdate localInformationRule(const CUser& document);
// "座標軸の提示": checked while the active view shows its axes.
CommandUpdate axisDisplayRule(const CUser& document);
// "提示位置リセット": enabled with a ready orbit; never checked.
CommandUpdate positionResetRule(const CUser& document);
