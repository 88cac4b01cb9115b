// Support for the dialog GUI tests: a private program folder holding a copy of
// the shipped model list and model files (the build's own files are never
// touched), scripted file choosers, a way to act inside a modal dialog once it
// is up, and screenshots of the dialogs when ATTRAVA_SCREENSHOT_DIR is set.
#pragma once

#include "dialogs/dialog_prompts.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace dialogtest {

inline const char* const kShippedModels[] = {"Lorenz",       "Ressler",  "ChenUeta",
                                             "Chua_Circuit", "Langford", "ResslerHyperchaos"};

// A program folder with model/ holding the shipped list and model files.
class ProgramFolder {
public:
    ProgramFolder()
    {
        QDir(folder_.path()).mkpath(QStringLiteral("model"));
        const QString shipped = QStringLiteral(ATTRAVA_PROGRAM_DIR "/model/");
        for (const char* name : kShippedModels) {
            const QString file = QString::fromLatin1(name) + QStringLiteral(".txt");
            QFile::copy(shipped + file, modelFile(file));
        }
        QFile::copy(shipped + QStringLiteral("Eqnbank.c"), modelFile(QStringLiteral("Eqnbank.c")));
    }
    bool valid() const { return folder_.isValid() && QFile::exists(modelFile(QStringLiteral("Eqnbank.c"))); }
    // The folder with a trailing "/".
    std::string path() const { return folder_.path().toStdString() + "/"; }
    QString file(const QString& name) const { return folder_.path() + QLatin1Char('/') + name; }
    QString modelFile(const QString& name) const { return file(QStringLiteral("model/") + name); }

private:
    QTemporaryDir folder_;
};

inline QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// File choosers that answer from a queue (an empty queue cancels) and record
// what they were asked; the OK/Cancel and the Yes/No questions answer
// `answer`.
struct ScriptedPrompts {
    std::deque<QString> files;
    std::vector<FileRequest> requests;
    QStringList questions;
    bool answer = true;

    DialogPrompts prompts()
    {
        const auto ask = [this](QWidget*, const QString& question) {
            questions.push_back(question);
            return answer;
        };
        return {[this](QWidget*, const FileRequest& request) {
                    requests.push_back(request);
                    if (files.empty())
                        return QString();
                    QString next = files.front();
                    files.pop_front();
                    return next;
                },
                ask, ask};
    }
};

// Runs action on the first modal dialog of type T once it is showing (within
// ten seconds); the caller then starts what opens it. A dialog that never
// appears sets `missed`.
template <typename T>
void whenModal(std::function<void(T*)> action, bool* missed = nullptr)
{
    auto* poll = new QTimer;
    auto deadline = std::make_shared<QDeadlineTimer>(10000);
    QObject::connect(poll, &QTimer::timeout, [poll, deadline, action = std::move(action), missed] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            dialog && dialog->isVisible()) {
            poll->stop();
            poll->deleteLater();
            action(dialog);
        } else if (deadline->hasExpired()) {
            poll->stop();
            poll->deleteLater();
            if (missed)
                *missed = true;
            // Whatever modal dialog is up instead is closed, so the test
            // fails rather than waits forever.
            if (auto* stuck = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                stuck->reject();
        }
    });
    poll->start(20);
}

// Saves a picture of the widget as <ATTRAVA_SCREENSHOT_DIR>/<name>.png when
// that variable is set.
inline void screenshot(QWidget* widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("ATTRAVA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    QCoreApplication::processEvents();
    widget->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// The program's Japanese font, as the application sets it.
inline void useJapaneseFont()
{
    if (QFontDatabase::families().contains(QStringLiteral("Noto Sans CJK JP"))) {
        QFont font = QApplication::font();
        font.setFamily(QStringLiteral("Noto Sans CJK JP"));
        QApplication::setFont(font);
    }
}

}  // namespace dialogtest
