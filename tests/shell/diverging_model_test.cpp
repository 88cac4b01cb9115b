// Models whose equations divide by zero or overflow, started in two views of
// the running program: each view's orbit is cut as diverged, every value of
// the Lyapunov windows is "-", and the program goes on drawing.
#include "running_program.h"

#include "models/model_list.h"
#include "models/model_record.h"
#include "plots/lyapunov_value_window.h"
#include "shell/command_ids.h"
#include "shell/window_adapter.h"

#include <QtTest>

#include <fstream>

class DivergingModelTest : public QObject {
    Q_OBJECT

private slots:
    void brokenEquationsLeaveEveryValueEmpty()
    {
        RunningProgram program;
        const std::string list = program.folder().modelFile(QStringLiteral("Eqnbank.c")).toStdString();
        const std::pair<const char*, const char*> models[] = {{"DivideByZero", "y/0"},
                                                              {"Overflow", "exp(exp(exp(x+10)))"}};
        for (const auto& [name, equation] : models) {
            ModelRecord record;
            record.ModelFileDir =
                program.folder().modelFile(QString::fromLatin1(name) + ".txt").toStdString();
            std::ofstream(record.ModelFileDir) << "Dimension = 3\nParameter = 0\nFunction\n"
                                               << equation << "\ny\nz\nSetting = 1.0,1.0,1.0\n";
            QVERIFY(record.Read(program.reporter()));
            record.ModelName = name;
            QVERIFY(AppendModel(list, record, program.reporter()));
        }
        // The start builds the library of the extended list.
        QVERIFY(QFile::remove(program.folder().file(QStringLiteral("Eqnbank.so"))));

        StartOptions options;
        options.splashEnabled = false;
        options.viewCount = 2;
        options.models = {"DivideByZero", "Overflow"};
        program.start(options);
        if (QTest::currentTestFailed())
            return;
        CUser& document = program.document();
        for (int view = 0; view < 2; ++view) {
            QCOMPARE(document.views[view].engine.diverged, 1);
            document.activeView = view;
            QVERIFY(program.app().router().execute(CommandId::LyapunovSpectrum));
            QVERIFY(program.app().router().execute(CommandId::LyapunovDimension));
            const QString shown = valuesOf<CSpectrumWindow>(document, WindowKind::LyapunovSpectrum, view) +
                                  valuesOf<CDimensionWindow>(document, WindowKind::LyapunovDimension, view);
            QCOMPARE(shown, QStringLiteral("x -\ny -\nz -\nDL -\n"));
        }
        QVERIFY(program.app().view().timersRunning() == 1);
        program.stop();
    }

private:
    // The copy text of the view's window of that kind (name and value per row).
    template <class W>
    static QString valuesOf(CUser& document, WindowKind kind, int view)
    {
        const auto& entry = document.views[view].windows[windowEntry(kind)];
        auto* adapter = dynamic_cast<WindowAdapter<W>*>(entry.get());
        return adapter ? adapter->widget()->copyText() : QStringLiteral("no window");
    }
};

QTEST_MAIN(DivergingModelTest)
#include "diverging_model_test.moc"
