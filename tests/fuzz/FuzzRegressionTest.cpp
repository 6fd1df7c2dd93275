// Every input a fuzz target ever stopped on, kept under tests/data/fuzz/TARGET and run again
// through the same entry function, without libFuzzer.
#include "FuzzTargets.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <exception>

TEST(FuzzRegressionInputs, RunCleanThroughTheirTargets)
{
    int replayed = 0;
    for (const FuzzTarget& target : FuzzTargets) {
        const QDir dir(QStringLiteral(KESTRUNE_TEST_DATA_DIR "/fuzz/") + QLatin1String(target.name));
        for (const QString& name : dir.entryList(QDir::Files)) {
            SCOPED_TRACE(std::string(target.name) + "/" + name.toStdString());
            QFile file(dir.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray input = file.readAll();
            try {
                target.run(input);
            } catch (const std::exception& e) {
                ADD_FAILURE() << e.what();
            }
            ++replayed;
        }
    }
    EXPECT_GT(replayed, 0);
}
