// Connects the presentation and pointer-tool commands to the command router:
// "局所的リアプノフ指数分布", "相空間のベクトル場", "移動・回転", "初期値の入力",
// "ベクトル場の局所情報提示", "座標軸の提示" and "提示位置リセット", each with its
// handler and its update rule.
#pragma once

class CUser;
class CommandRouter;

// `document` must outlive the router's use of the handlers.
void registerPresentationCommands(CommandRouter& router, CUser& document);
