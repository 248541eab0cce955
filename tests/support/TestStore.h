#pragma once

#include "platform/Clock.h"
#include "platform/RecordStore.h"
#include "storage/CDbTable.h"
#include "support/QtPrinters.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// Readable failure output for property lists.
inline void PrintTo(const PropVal& p, std::ostream* os)
{
    *os << p.Id() << ':' << static_cast<int>(p.Type()) << '=';
    if (p.Type() == PropType::LpWstr)
        *os << '"' << p.ToText().toStdString() << '"';
    else if (p.Type() == PropType::R8)
        *os << p.ToDouble();
    else
        *os << p.ToInt();
}

// Every property of a table's current record, as stored.
inline std::vector<PropVal> CurrentProps(CDbTable& t)
{
    std::vector<PropVal> p;
    t.Store().ReadProps(t.Handle(), &p);
    return p;
}

// A fresh store in a temporary folder, with a fixed clock.
class TestStore : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        Reopen();
    }

    // Closes and opens the store file again (what a restart of the program does).
    void Reopen()
    {
        m_store.reset();
        QString message;
        m_store = RecordStore::Open(StorePath(), nullptr, &message);
        ASSERT_TRUE(m_store) << message.toStdString();
    }

    QString StorePath() const { return m_dir.filePath(QStringLiteral("Vellamo.db")); }
    RecordStore& Store() { return *m_store; }

    QTemporaryDir m_dir;
    FixedClock m_clock{LocalDateTime{2026, 12, 9, 14, 30, 0, 0}};
    std::unique_ptr<RecordStore> m_store;
};
