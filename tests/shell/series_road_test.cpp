// The time-series road in the running program, walked as a new user would:
// "時系列データ解析" from the real menu, the data file dialog on the shipped
// sunspot numbers (layout guessed, first values shown), the reconstruction
// window with its advice and its guards, the analysed-data window with the
// series exponent and its fit range, and the recurrence plot with its
// measures and thresholded view.
//
// With ATTRAVA_SCREENSHOT_DIR set, every stage is saved there as PNG images.
#include "menu_test_support.h"
#include "running_program.h"

#include "dialogs/reconstruction_window.h"
#include "dialogs/series_file_dialog.h"
#include "plots/recurrence_window.h"
#include "plots/series_exponent_panel.h"
#include "plots/series_window.h"
#include "shell/command_ids.h"
#include "shell/japanese_font.h"
#include "shell/interface_language.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>

using namespace dialogtest;

namespace {

const QString kSunspots = QStringLiteral(ATTRAVA_PROGRAM_DIR "/data/sunspots.txt");

void click(QWidget* parent, const char* name)
{
    auto* button = parent->findChild<QPushButton*>(QString::fromLatin1(name));
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

// Types text into the delay edit and presses "適用".
void typeDelay(CReconstructionWindow* window, const QString& text)
{
    window->delayEdit()->setText(text);
    click(window, "applyButton");
}

// The recurrences a thresholded image shows.
int blackPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == Qt::black ? 1 : 0;
    return count;
}

// The whole screen once the windows have painted.
void shot(const QString& name)
{
    QTest::qWait(100);
    saveScreenShot(name);
}

}  // namespace

class SeriesRoadTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        useJapaneseApplicationFont();
        QVERIFY(useJapaneseToolkitTexts());
        StartOptions options;
        options.splashEnabled = false;
        program_.start(options);
    }

    void cleanupTestCase() { program_.stop(); }

    void theFileDialogGuessesTheLayoutAndReadsTheWholeFile()
    {
        CUser& document = program_.document();
        QAction* start = item(QStringLiteral("メニュー(&M)"), QStringLiteral("時系列データ解析"));
        QVERIFY(start && start->isEnabled());

        bool missed = false;
        QStringList samples;
        bool timeColumn = false, realData = false, realTime = true, timeGroupEnabled = false;
        whenModal<CSeriesFileDialog>(
            [&](CSeriesFileDialog* dialog) {
                whenModal<QFileDialog>([](QFileDialog* files) {
                    files->selectFile(kSunspots);
                    QMetaObject::invokeMethod(files, "accept");
                }, &missed);
                click(dialog, "browseButton");
                timeColumn = dialog->timeColumnChoice()->isChecked();
                realData = dialog->realDataChoice()->isChecked();
                realTime = dialog->realTimeChoice()->isChecked();
                timeGroupEnabled = dialog->timeFormatGroup()->isEnabled();
                samples = dialog->sampleLines();
                shot(QStringLiteral("1_file_dialog"));
                screenshot(dialog, QStringLiteral("1_file_dialog_window"));
                click(dialog, "okButton");
            },
            &missed);
        start->trigger();
        QVERIFY(!missed);

        // "1700 5" lines: an integer year, then the number, sometimes with decimals.
        QVERIFY(timeColumn && realData && !realTime && timeGroupEnabled);
        QCOMPARE(samples, (QStringList{"5.000000", "11.000000", "16.000000", "23.000000", "36.000000"}));
        const DynamicsEngine& engine = document.views[0].engine;
        QCOMPARE(engine.recordInUse.seriesCount, 309);
        QCOMPARE(engine.series.back(), 2.9);
        QVERIFY(document.activeSlot().environment.dataSource == DataSource::Series);
        QVERIFY(program_.reporter().messages.empty());
    }

    void theReconstructionWindowAdvisesAndGuardsTheDelay()
    {
        CUser& document = program_.document();
        const ModelRecord& record = document.views[0].engine.recordInUse;
        auto* window = viewWindow<CReconstructionWindow>(document, WindowKind::ReconstructionDelay, 0);
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->maxDelay(), 100);  // 309 values / 3, at most 100
        QTRY_VERIFY_WITH_TIMEOUT(window->hasAdvice(), 20000);

        // The batch tool's advice for the same file: delay 4, no dimension
        // below 1 % false neighbours in so short a series.
        const EmbeddingAdvice expected = adviseEmbedding(document.views[0].engine.series,
                                                         kAdviceMaxDelay, kMaxAnalysisDimension);
        QCOMPARE(expected.delay, std::optional<int>(4));
        QVERIFY(window->adviceText().contains(QStringLiteral("τ: 4")));
        QVERIFY(window->adviceText().contains(QStringLiteral("なし")));
        QVERIFY(window->useAdviceButton()->isEnabled());
        shot(QStringLiteral("2_reconstruction"));
        screenshot(window, QStringLiteral("2_reconstruction_window"));
        click(window, "useAdviceButton");
        QCOMPARE(record.delay, 4);
        QCOMPARE(record.Dimension, 3);
        QCOMPARE(record.validPointCount, 309 - 2 * 4 - 1);
        QCOMPARE(window->delaySlider()->value(), 40);

        // Only whole numbers of at least 1 are taken.
        auto& messages = program_.reporter().messages;
        for (const QString& refused : {QStringLiteral("7.9"), QStringLiteral("0"), QStringLiteral("-3")}) {
            messages.clear();
            typeDelay(window, refused);
            QCOMPARE(messages.size(), std::size_t{1});
            QCOMPARE(record.delay, 4);
        }
        // The slider's left end is delay 1, never 0.
        window->delaySlider()->setValue(0);
        QCOMPARE(record.delay, 1);

        // Too long a delay leaves fewer than two vectors: said, and no orbit.
        typeDelay(window, QStringLiteral("154"));
        QVERIFY(!window->embeddingMessage().isEmpty());
        QCOMPARE(record.validPointCount, 0);
        QVERIFY(document.views[0].engine.orbit.empty());
        screenshot(window, QStringLiteral("2_reconstruction_too_short"));
        typeDelay(window, QStringLiteral("153"));  // 309 - 2 * 153 - 1 = 2 vectors
        QVERIFY(window->embeddingMessage().isEmpty());
        QCOMPARE(record.validPointCount, 2);

        typeDelay(window, QStringLiteral("4"));
        window->dimensionList()->setCurrentIndex(1);
        emit window->dimensionList()->activated(1);
        QCOMPARE(record.Dimension, 4);
        QCOMPARE(record.validPointCount, 309 - 3 * 4 - 1);
        QCOMPARE(window->maxDelay(), 100);  // kept as computed at opening
        window->dimensionList()->setCurrentIndex(0);
        emit window->dimensionList()->activated(0);
        QVERIFY(program_.app().router().state(CommandId::ReconstructionSetting).checked.value());
        QVERIFY(!program_.app().router().state(CommandId::SamplingSetting).enabled);
    }

    void theAnalysedDataWindowShowsTheSeriesAndItsExponent()
    {
        CUser& document = program_.document();
        QAction* open = item(QStringLiteral("ツール(&T)"), QStringLiteral("解析時系列データの提示"));
        QVERIFY(open && open->isEnabled());
        open->trigger();
        auto* window = viewWindow<CAnalysedSeriesWindow>(document, WindowKind::AnalysedSeriesData, 0);
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->rowCount(), 1);
        QCOMPARE(window->timeLabel(1), QStringLiteral("154"));
        QCOMPARE(window->timeLabel(2), QStringLiteral("309"));
        QCOMPARE(window->bottomValue(0), QStringLiteral("0.000"));
        QVERIFY(!window->plotFrame(0)->picture().lines.empty());

        CSeriesExponentPanel* panel = window->exponentPanel();
        QTRY_VERIFY_WITH_TIMEOUT(panel->result().has_value(), 20000);
        const SeriesLyapunovResult first = *panel->result();
        QVERIFY(std::isfinite(first.exponent));
        QCOMPARE(first.divergence.size(), std::size_t{20 * 4 + 1});  // K = 20 tau
        QVERIFY(panel->valueText().startsWith(QStringLiteral("λ = ")));
        window->move(20, 20);
        shot(QStringLiteral("3_analysed_data"));
        screenshot(window, QStringLiteral("3_analysed_data_window"));

        // Typed: the slope over the new range, the neighbours not searched again.
        panel->fitFirstEdit()->setValue(1);
        panel->fitLastEdit()->setValue(10);
        emit panel->fitLastEdit()->editingFinished();
        QCOMPARE(panel->result()->fitFirst, 1);
        QCOMPARE(panel->result()->fitLast, 10);
        QVERIFY(panel->result()->divergence == first.divergence);
        QVERIFY(panel->result()->exponent != first.exponent);
        // A reversed range is refused and the edits show the range in force.
        panel->fitFirstEdit()->setValue(12);
        emit panel->fitFirstEdit()->editingFinished();
        QCOMPARE(panel->fitFirstEdit()->value(), 1);

        // Dragged: the end nearer the pointer follows it.
        CDragFrame* frame = panel->divergenceFrame();
        const int steps = static_cast<int>(first.divergence.size()) - 1;
        const auto columnOf = [&](int k) {
            int x = 1;
            while (divergenceStepAt(x, steps) < k)
                ++x;
            return x;
        };
        QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(columnOf(11), 50));
        QTest::mouseMove(frame, QPoint(columnOf(30), 50));
        QTest::mouseRelease(frame, Qt::LeftButton, {}, QPoint(columnOf(30), 50));
        QCOMPARE(panel->result()->fitFirst, 1);
        QCOMPARE(panel->result()->fitLast, 30);
        screenshot(window, QStringLiteral("3_analysed_data_dragged"));

        // The time-series data window shows the reconstructed components.
        item(QStringLiteral("ツール(&T)"), QStringLiteral("時系列データの提示"))->trigger();
        auto* data = viewWindow<CSeriesDataWindow>(document, WindowKind::SeriesData, 0);
        QVERIFY(data && data->isVisible());
        QCOMPARE(data->rowCount(), 3);
        QCOMPARE(data->timeLabel(2), QStringLiteral("300"));
        QCOMPARE(data->height(), 110 * 3 + 100);
        screenshot(data, QStringLiteral("3_series_data_window"));
        data->close();
    }

    void theRecurrencePlotShowsItsMeasuresAndKeepsItsImage()
    {
        CUser& document = program_.document();
        QAction* open = item(QStringLiteral("ツール(&T)"), QStringLiteral("リカレンスプロット"));
        QVERIFY(open && open->isEnabled());
        open->trigger();
        auto* window = viewWindow<CRecurrenceWindow>(document, WindowKind::RecurrencePlot, 0);
        QVERIFY(window && window->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(window->hasMatrix() && window->measures().has_value(), 20000);

        // 300 vectors: every one sampled.
        QCOMPARE(window->plotFrame()->image().size(), QSize(300, 300));
        const RecurrenceQuantities q = *window->measures();
        QVERIFY2(std::abs(q.RR - 0.05) < 0.005, qPrintable(QString::number(q.RR)));
        QVERIFY(q.DET > 0.0 && q.DET <= 1.0 && q.LAM > 0.0 && q.LAM <= 1.0);
        QVERIFY(window->measuresText().startsWith(QStringLiteral("RR 0.0")));
        const int black = blackPixels(window->thresholdFrame()->image());
        QVERIFY(black > 300 && black < 300 * 300 / 4);
        window->move(20, 20);
        shot(QStringLiteral("4_recurrence"));
        screenshot(window, QStringLiteral("4_recurrence_window"));

        // Sampled point j runs up from the bottom: entry (1, 0) sits at the
        // bottom-left inner corner, whatever N is.
        const QImage before = window->plotFrame()->grab().toImage();
        const int side = window->plotSide();
        QVERIFY(before.pixelColor(2, side - 4) != Qt::white);

        // Covered and uncovered: the kept image is painted again.
        window->hide();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->plotFrame()->grab().toImage(), before);

        // A radius instead of a rate: the measures follow the threshold.
        window->radiusChoice()->setChecked(true);
        window->thresholdEdit()->setText(QString::number(q.epsilon * 2.0));
        window->measure();
        QTRY_VERIFY(window->measures().has_value());
        QVERIFY(window->measures()->RR > q.RR);
        QVERIFY(blackPixels(window->thresholdFrame()->image()) > black);
        QVERIFY(program_.app().router().state(CommandId::RecurrencePlot).checked.value());
    }

private:
    QAction* item(const QString& menu, const QString& text)
    {
        return menuItem(program_.app().frame().menuBar()->actions(), menu, text);
    }

    RunningProgram program_;
};

QTEST_MAIN(SeriesRoadTest)
#include "series_road_test.moc"
