// Every input the fuzzers keep in fuzz/corpus (the seeds and every input that
// once crashed, hung or broke an expectation), and the bundled season's
// files, fed to its target in the ordinary build: what the fuzzers found
// stays found.

#include <QDir>
#include <QFile>
#include <QtTest>

#include <exception>

#include "fuzz_targets.h"

using hoopdeck::fuzz::kTargets;

class FuzzCorpusTest : public QObject {
    Q_OBJECT

private slots:
    void replay_data();
    void replay();
};

void FuzzCorpusTest::replay_data()
{
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("path");
    for (int t = 0; t < int(std::size(kTargets)); ++t) {
        const QDir corpus(QStringLiteral(HOOPDECK_FUZZ_CORPUS "/") + QLatin1String(kTargets[t].name));
        const QStringList files = corpus.entryList(QDir::Files, QDir::Name);
        QVERIFY2(!files.isEmpty(), qPrintable(corpus.path() + " holds no inputs"));
        for (const QString &file : files)
            QTest::addRow("%s/%s", kTargets[t].name, qPrintable(file)) << t << corpus.filePath(file);
        if (kTargets[t].bundledFile) {
            const QString bundled = QStringLiteral(HOOPDECK_SEASON_DIR "/") + QLatin1String(kTargets[t].bundledFile);
            QTest::addRow("%s/bundled %s", kTargets[t].name, kTargets[t].bundledFile) << t << bundled;
        }
    }
}

void FuzzCorpusTest::replay()
{
    QFETCH(int, target);
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray input = file.readAll();
    try {
        kTargets[target].run(reinterpret_cast<const uint8_t *>(input.constData()), size_t(input.size()));
    } catch (const std::exception &broken) {
        QFAIL(broken.what());
    }
}

QTEST_GUILESS_MAIN(FuzzCorpusTest)
#include "tst_fuzz_corpus.moc"
