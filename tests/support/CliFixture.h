#pragma once

#include "platform/RecordStore.h"
#include "storage/CFoodTable.h"
#include "storage/CMeasuresTable.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A command line written as one text: "meal add --food 7".
inline QStringList Words(const char* text)
{
    return QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

struct Result
{
    int code = -1;
    QString out;
    QString err;
};

// A data folder with two foods, and vellamo-cli run on it as a process.
class CliTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_home.isValid());
        // A food with a default serving of 40 g, and one with none.
        auto store = RecordStore::Open(StorePath(), nullptr, nullptr);
        ASSERT_TRUE(store);
        CFoodTable foods(*store);
        CMeasuresTable measures(*store);
        foods.NewRecord(7);
        foods.Buffer().name = QStringLiteral("Rye bread");
        foods.Buffer().values[Nutrient::Energy] = 250;
        foods.Buffer().values[Nutrient::Protein] = 8;
        foods.Buffer().values[Nutrient::Sodium] = 600;
        foods.Buffer().referenceWeight = 100;
        const quint32 slice = measures.NewRecord(7);
        measures.Buffer().description = QStringLiteral("slice");
        measures.Buffer().weight = 40;
        measures.Save();
        foods.Buffer().defaultServingId = slice;
        foods.Save();
        foods.NewRecord(8);
        foods.Buffer().name = QStringLiteral("Apple");
        foods.Buffer().values[Nutrient::Energy] = 52;
        foods.Buffer().referenceWeight = 100;
        foods.Save();
    }

    QProcessEnvironment Environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VELLAMO_HOME"), m_home.path());
        env.insert(QStringLiteral("VELLAMO_NOW"), QStringLiteral("2026-12-09T13:45"));
        return env;
    }

    // Runs the program; `fault` arms the failing disk of the test build (VELLAMO_TEST_FAULT).
    Result Cli(const QStringList& args, const QString& fault = QString())
    {
        QProcess p;
        QProcessEnvironment env = Environment();
        if (!fault.isEmpty())
            env.insert(QStringLiteral("VELLAMO_TEST_FAULT"), fault);
        p.setProcessEnvironment(env);
        p.start(fault.isEmpty() ? QStringLiteral(VELLAMO_CLI_BIN) : QStringLiteral(VELLAMO_CLI_FAULT_BIN),
                args);
        if (!p.waitForFinished(60000))
            return {};
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }

    QString StorePath() const { return m_home.filePath(QStringLiteral("Vellamo.db")); }

    QByteArray StoreBytes()
    {
        QFile f(StorePath());
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

    QTemporaryDir m_home;
};
