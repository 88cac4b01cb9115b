// The menu bar, the context menu and the toolbar as built by the main frame:
// their items in order, enabled state from the registered handlers, check
// marks from the update rules, and the toolbar's images.
#include "fake_display_settings.h"
#include "menu_test_support.h"
#include "dialogs/shown_messages_reporter.h"
#include "shell/command_actions.h"
#include "shell/command_ids.h"
#include "shell/command_router.h"
#include "shell/japanese_font.h"
#include "shell/main_frame.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

#include <memory>

class MenusTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        screen_ = std::make_unique<FakeDisplaySettings>(std::vector<ScreenMode>{}, ScreenSize{1280, 1024});
        router_ = std::make_unique<CommandRouter>();
        frame_ = std::make_unique<CMainFrame>(*router_, *screen_, reporter_);
    }

    void cleanup()
    {
        frame_.reset();
        router_.reset();
        screen_.reset();
    }

    void menuBarHasTheFivePopUpsWithTheirItemsInOrder()
    {
        const QList<QAction*> top = frame_->menuBar()->actions();
        QCOMPARE(itemTexts(top), (QStringList{"メニュー(&M)", "提示モード(&V)", "ツール(&T)",
                                              "オプション(&O)", "ヘルプ(&H)"}));
        QCOMPARE(itemTexts(top[0]->menu()->actions()),
                 (QStringList{"数理モデル解析", "時系列データ解析", "-", "画像を保存…", "-",
                              "アプリケーションの終了(&X)"}));
        QCOMPARE(itemTexts(top[1]->menu()->actions()),
                 (QStringList{"アトラクタ構造", "速度分布", "局所的リアプノフ指数分布", "相空間のベクトル場", "-",
                              "移動・回転", "初期値の入力", "ベクトル場の局所情報提示"}));
        QCOMPARE(itemTexts(top[2]->menu()->actions()),
                 (QStringList{"サンプリング・初期値の設定", "パラメータの設定", "リアプノフスペクトラム",
                              "リアプノフスペクトラムの時間推移", "リアプノフ次元DL", "リアプノフ次元の時間推移",
                              "リカレンスプロット", "数理モデルの方程式の提示", "時系列データの提示",
                              "カラーバーの提示", "再構成次元、遅れ時間の設定", "解析時系列データの提示", "-",
                              "パラメータ走査"}));
        const QList<QAction*> options = top[3]->menu()->actions();
        QCOMPARE(itemTexts(options),
                 (QStringList{"デフォルトパラメータの設定", "環境設定", "言語", "-", "入出力インターフェース",
                              "ディスプレイ設定", "マルチビューモード", "スケール", "-", "座標軸の提示",
                              "提示位置リセット"}));
        QCOMPARE(itemTexts(subMenu(options, "言語")->actions()), (QStringList{"日本語", "English"}));
        QCOMPARE(itemTexts(subMenu(options, "入出力インターフェース")->actions()),
                 (QStringList{"&Mouse", "&PHANToM(TM)", "&SPIDAR G"}));
        QCOMPARE(itemTexts(subMenu(options, "ディスプレイ設定")->actions()),
                 (QStringList{"通常モード", "上下２分割（立体視用）", "左右２分割（立体視用）"}));
        QStringList displayStatus;
        for (const QAction* mode : subMenu(options, "ディスプレイ設定")->actions())
            displayStatus << mode->statusTip();
        QCOMPARE(displayStatus, (QStringList{"CRTディスプレイを使用する", "液晶シャッター眼鏡(CrystalEyes)を使用する",
                                             "HeadMountDisplayを使用する"}));
        QCOMPARE(itemTexts(subMenu(options, "マルチビューモード")->actions()),
                 (QStringList{"1 View", "2 View", "4 View", "9 View", "-", "ALL View"}));
        QCOMPARE(itemTexts(subMenu(options, "スケール")->actions()),
                 (QStringList{"x 100", "x 50", "x 10", "x 5", "x 1", "x 0.5", "x 0.1", "x 0.05", "x 0.01",
                              "x 0.005", "x 0.001", "-", "x Free", "x Auto"}));
        QCOMPARE(itemTexts(top[4]->menu()->actions()), QStringList{"バージョン情報"});
    }

    void contextMenuHoldsTheDeviceMenuAndEndsWithExit()
    {
        const QList<QAction*> top = frame_->contextMenu()->actions();
        QCOMPARE(itemTexts(top), (QStringList{"メニュー(&M)", "提示モード(&V)", "ツール(&T)", "オプション(&O)",
                                              "デバイス(&D)", "ヘルプ(&H)", "-", "アプリケーションの終了(&X)"}));
        QCOMPARE(itemTexts(top[0]->menu()->actions()),
                 (QStringList{"数理モデル解析", "時系列データ解析", "-", "このビューでモデル解析",
                              "このビューで時系列解析", "-", "画像を保存…"}));
        QCOMPARE(itemTexts(top[3]->menu()->actions()),
                 (QStringList{"デフォルトパラメータの設定", "環境設定", "言語", "-", "マルチビューモード", "スケール", "-",
                              "座標軸の提示", "提示位置リセット"}));
        const QList<QAction*> device = top[4]->menu()->actions();
        QCOMPARE(itemTexts(device), (QStringList{"入出力インターフェース", "ディスプレイ設定", "-",
                                                 "上下ビュー間の隙間、視差設定"}));
        QCOMPARE(itemTexts(subMenu(device, "入出力インターフェース")->actions()),
                 (QStringList{"&Mouse", "&PHANToM", "&SPIDAR G"}));
        QCOMPARE(frame_->contextMenu(), frame_->contextMenu());
    }

    void unregisteredCommandIsDisabledAndRegisteredOneRunsItsHandler()
    {
        QAction* spectrum = frame_->commandActions().action(CommandId::LyapunovSpectrum);
        QMenu* tools = frame_->menuBar()->actions()[2]->menu();
        showAndClose(tools);
        QVERIFY(!spectrum->isEnabled());

        int runs = 0;
        router_->setHandler(CommandId::LyapunovSpectrum, [&] { ++runs; });
        showAndClose(tools);
        QVERIFY(spectrum->isEnabled());
        spectrum->trigger();
        QCOMPARE(runs, 1);
    }

    void checkMarksFollowTheUpdateRuleWhenTheMenuOpens()
    {
        bool axesShown = true;
        router_->setHandler(CommandId::AxisDisplay, [&] { axesShown = !axesShown; });
        router_->setUpdateRule(CommandId::AxisDisplay, [&] { return CommandState{true, axesShown}; });
        QMenu* options = frame_->menuBar()->actions()[3]->menu();
        QAction* axes = frame_->commandActions().action(CommandId::AxisDisplay);
        frame_->commandActions().refresh({axes});
        QVERIFY(axes->isChecked());

        axesShown = false;
        QVERIFY(axes->isChecked());  // unchanged until the menu opens
        showAndClose(options);
        QVERIFY(!axes->isChecked());

        // Choosing the item: the handler decides, not Qt's own toggle.
        axes->trigger();
        QVERIFY(axesShown);
        QVERIFY(axes->isChecked());
    }

    void aRuleThatLeavesTheMarkAloneKeepsIt()
    {
        std::optional<bool> mark = true;
        bool enabled = true;
        router_->setHandler(CommandId::TranslateRotate, [] {});
        router_->setUpdateRule(CommandId::TranslateRotate, [&] { return CommandState{enabled, mark}; });
        QMenu* presentation = frame_->menuBar()->actions()[1]->menu();
        QAction* move = frame_->commandActions().action(CommandId::TranslateRotate);
        showAndClose(presentation);
        QVERIFY(move->isChecked());
        mark.reset();
        enabled = false;
        showAndClose(presentation);
        QVERIFY(!move->isEnabled());
        QVERIFY(move->isChecked());

        // Choosing it while the rule still leaves the mark alone keeps it too.
        enabled = true;
        showAndClose(presentation);
        move->trigger();
        QVERIFY(move->isChecked());
    }

    void contextMenuItemsFollowTheSameRules()
    {
        int device = 1;
        router_->setUpdateRule(CommandId::DevicePhantom, [&] { return CommandState{false, device == 1}; });
        QMenu* deviceMenu = subMenu(subMenu(frame_->contextMenu()->actions(), "デバイス(&D)")->actions(),
                                    "入出力インターフェース");
        showAndClose(deviceMenu);
        QAction* phantom = deviceMenu->actions()[1];
        QCOMPARE(phantom->text(), QString("&PHANToM"));
        QVERIFY(!phantom->isEnabled());
        QVERIFY(phantom->isChecked());
    }

    void toolbarHasItsSeventeenEntriesWithSixteenByFifteenImages()
    {
        const QList<QAction*> buttons = frame_->commandBar()->actions();
        const QList<int> expected = {33844, 33845, 33846, 32918, 32917, 0, 32815, 33805, 32932, 0,
                                     32799, 32800, 32802, 32920, 0, 33784, 32937};
        QCOMPARE(buttons.size(), expected.size());
        QList<QImage> images;
        for (int i = 0; i < buttons.size(); ++i) {
            QAction* button = buttons[i];
            if (expected[i] == 0) {
                QVERIFY2(button->isSeparator(), qPrintable(QString("entry %1").arg(i)));
                continue;
            }
            QCOMPARE(button->property("commandId").toInt(), expected[i]);
            QVERIFY(button->icon().availableSizes().contains(QSize(16, 15)));
            const QImage image = button->icon().pixmap(QSize(16, 15)).toImage();
            QCOMPARE(image.size(), QSize(16, 15));
            for (const QImage& other : images)
                QVERIFY2(other != image, qPrintable(QString("button %1 repeats an image").arg(expected[i])));
            images << image;
        }
        auto* button = qobject_cast<QToolButton*>(frame_->commandBar()->widgetForAction(buttons[0]));
        QVERIFY(button);
        QCOMPARE(button->iconSize(), QSize(16, 15));
        // Status-bar text and tooltip of every button, in toolbar order.
        const QStringList texts = {
            "Viewの選択ボタン・シングルView|シングルView", "Viewの選択ボタン・ツインView|ツインView",
            "Viewの選択ボタン・４View|４View", "Viewの選択ボタン・９View|９View",
            "全てのViewを操作する場合のボタン|全てのViewをアクティブ",
            "ポインタによるオブジェクトの移動と回転|移動・回転", "ポインタを用いた初期値の入力|初期値入力",
            "ベクトル場の局所的情報提示|ベクトル場の局所的情報提示", "アトラクタ構造の提示|アトラクタ構造の提示",
            "速度分布の提示|速度分布の提示", "局所的リアプノフ指数の提示|局所的リアプノフ指数の提示",
            "速度ベクトル場の提示|速度ベクトル場の提示", "座標軸の提示|座標軸の提示",
            "オブジェクト位置リセット|オブジェクト位置リセット"};
        QStringList shown;
        for (const QAction* button : buttons) {
            if (!button->isSeparator())
                shown << button->statusTip() + "|" + button->toolTip();
        }
        QCOMPARE(shown, texts);
    }

    void commandTextsGoThroughTheTranslator()
    {
        // Marks every line of every command-table text it is asked for.
        class MarkingTranslator : public QTranslator {
        public:
            QString translate(const char* context, const char* source, const char*, int) const override
            {
                if (qstrcmp(context, "CommandTable") != 0 || !*source)
                    return {};
                return QStringLiteral("T:") + QString::fromUtf8(source).replace('\n', QStringLiteral("\nT:"));
            }
        };
        MarkingTranslator marking;
        QCoreApplication::installTranslator(&marking);
        CMainFrame translated(*router_, *screen_, reporter_);
        QCoreApplication::removeTranslator(&marking);
        const QList<QAction*> top = translated.menuBar()->actions();
        QCOMPARE(top[2]->text(), QString("T:ツール(&T)"));
        QCOMPARE(top[2]->menu()->actions()[2]->text(), QString("T:リアプノフスペクトラム"));
        QCOMPARE(subMenu(top[3]->menu()->actions(), "T:スケール")->actions()[0]->statusTip(),
                 QString("T:x 100"));
        const QList<QAction*> buttons = translated.commandBar()->actions();
        QCOMPARE(buttons[6]->statusTip(), QString("T:ポインタによるオブジェクトの移動と回転"));
        QCOMPARE(buttons[6]->toolTip(), QString("T:移動・回転"));
    }

    void toolbarFollowsTheRulesWhileIdle()
    {
        int viewCount = 1;
        router_->setHandler(CommandId::FourViews, [&] { viewCount = 4; });
        router_->setUpdateRule(CommandId::FourViews, [&] { return CommandState{true, viewCount == 4}; });
        QAction* four = frame_->commandActions().action(CommandId::FourViews);
        QTRY_VERIFY_WITH_TIMEOUT(four->isEnabled(), 2000);
        QVERIFY(!four->isChecked());
        viewCount = 4;
        QTRY_VERIFY_WITH_TIMEOUT(four->isChecked(), 2000);
    }

    void japaneseMenuTextsHaveGlyphsInTheApplicationFont()
    {
        QVERIFY(useJapaneseApplicationFont());
        QCOMPARE(QFontInfo(QApplication::font()).family(), QString("Noto Sans CJK JP"));
        const QFontMetrics metrics(QApplication::font());
        for (QAction* popup : frame_->menuBar()->actions()) {
            const QStringList texts = itemTexts(popup->menu()->actions()) << popup->text();
            for (const QString& text : texts) {
                for (const QChar c : text)
                    QVERIFY2(metrics.inFont(c), qPrintable(QString("no glyph for %1 in %2").arg(c).arg(text)));
            }
        }
    }

private:
    static void showAndClose(QMenu* menu)
    {
        menu->popup(QPoint(10, 10));
        menu->close();
    }

    ShownMessagesReporter reporter_;
    std::unique_ptr<FakeDisplaySettings> screen_;
    std::unique_ptr<CommandRouter> router_;
    std::unique_ptr<CMainFrame> frame_;
};

QTEST_MAIN(MenusTest)
#include "menus_test.moc"
