// The English translation is complete: every text the sources hand to the
// translator (as lupdate finds them now, not as the committed file lists
// them) has a finished, non-empty English text in translations/attrava_en.ts,
// and each translation keeps its source's placeholders (%1, %2, %n).
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>

namespace {

struct Translation {
    QString text;
    bool finished = false;
};

// Context and source text of every message of a .ts file, with its translation.
std::map<QString, Translation> readMessages(const QString& path)
{
    std::map<QString, Translation> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            const QString text = xml.readElementText();
            messages[context + u'|' + source] = {text, type.isEmpty()};
        }
    }
    return messages;
}

QStringList placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?(\\d+|n)"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found << it.next().captured(1);
    found.sort();
    return found;
}

TEST(Translation, EveryTextOfTheSourcesHasAFinishedEnglishTextWithItsPlaceholders)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString fresh = scratch.filePath(QStringLiteral("fresh.ts"));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(ATTRAVA_LUPDATE),
                  {QStringLiteral("-recursive"), QStringLiteral(ATTRAVA_SOURCE_DIR "/src"),
                   QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("-source-language"), QStringLiteral("ja"),
                   QStringLiteral("-target-language"), QStringLiteral("en"), QStringLiteral("-ts"),
                   fresh});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAll().toStdString();

    const std::map<QString, Translation> sources = readMessages(fresh);
    const std::map<QString, Translation> committed =
        readMessages(QStringLiteral(ATTRAVA_SOURCE_DIR "/translations/attrava_en.ts"));
    ASSERT_GT(sources.size(), 50u);
    int faults = 0;
    for (const auto& [key, unused] : sources) {
        const auto found = committed.find(key);
        const QString source = key.section(u'|', 1);
        if (found == committed.end() || !found->second.finished || found->second.text.isEmpty()) {
            ADD_FAILURE() << "no English text for " << key.toStdString();
        } else if (placeholders(source) != placeholders(found->second.text)) {
            ADD_FAILURE() << "placeholders differ: " << key.toStdString() << " -> "
                          << found->second.text.toStdString();
        } else {
            continue;
        }
        if (++faults == 30)
            break;
    }
}

}  // namespace
