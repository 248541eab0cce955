#include "BackupFile.h"

#include "fooddb/CCsvFile.h"
#include "storage/CDbTable.h"

#include <QCoreApplication>
#include <limits>

namespace BackupFile {

namespace {

constexpr int kMaxProperties = 128;

// Tags of the file; R8 is 6 here, not its type number.
enum Tag
{
    TagI2 = 0,
    TagUI2 = 1,
    TagI4 = 2,
    TagUI4 = 3,
    TagFileTime = 4,
    TagText = 5,
    TagR8 = 6,
};

bool WriteProp(CCsvFile& f, const PropVal& p, bool last)
{
    auto head = [&](int tag) { return f.WriteInteger(tag, false) && f.WriteInteger(p.Id(), false); };
    switch (p.Type()) {
    case PropType::I2:
        return head(TagI2) && f.WriteInteger(static_cast<qint16>(p.ToInt()), last);
    case PropType::UI2:
        return head(TagUI2) && f.WriteInteger(static_cast<quint16>(p.ToInt()), last);
    case PropType::I4:
        return head(TagI4) && f.WriteInteger(static_cast<qint32>(p.ToInt()), last);
    case PropType::UI4:
        return head(TagUI4) && f.WriteInteger(p.ToUInt(), last);
    case PropType::FileTime:
        return head(TagFileTime) && f.WriteInteger(p.ToFileTime().High(), false) &&
               f.WriteInteger(p.ToFileTime().Low(), last);
    case PropType::LpWstr:
        return head(TagText) && f.WriteText(p.ToText(), last);
    case PropType::R8:
        return head(TagR8) && f.WriteNumber(p.ToDouble(), last);
    case PropType::Blob:
    case PropType::Bool:
        return true; // not part of the format
    }
    return true;
}

} // namespace

bool Write(CDbTable& table, const QString& path, IMessageBox* messages)
{
    const RecordOid first = table.First();
    CCsvFile f(messages);
    if (!f.OpenWrite(path))
        return false;
    bool ok = true;
    for (RecordOid o = first; o && ok; o = table.Next()) {
        std::vector<PropVal> props;
        if (!table.Store().ReadProps(table.Handle(), &props))
            continue;
        std::vector<const PropVal*> written;
        for (const PropVal& p : props) {
            if (p.Type() != PropType::Blob && p.Type() != PropType::Bool)
                written.push_back(&p);
        }
        for (size_t i = 0; i < written.size() && ok; ++i)
            ok = WriteProp(f, *written[i], i + 1 == written.size());
    }
    return f.Close() && ok;
}

bool ReadEach(const QString& path, const std::function<bool(Record&)>& visit, QString* error)
{
    CCsvFile f;
    f.SetStandardQuoting(true);
    if (!f.OpenRead(path)) {
        *error = f.Error();
        return false;
    }
    const int n = f.ColumnCount();
    auto fail = [&](const QString& why) {
        *error = f.HasError() ? f.Error()
                              : QCoreApplication::translate("BackupFile",
                                                            "The backup file %1 is damaged at line %2: %3.")
                                    .arg(path)
                                    .arg(f.Line())
                                    .arg(why);
        return false;
    };
    if (n == 0)
        return !f.HasError() || fail(QString());

    bool eof = f.ReadField();
    // Blank lines (one at the end, from an editor or another system) hold no record.
    while (!eof && f.EndOfLine() && f.RawField().isEmpty() && !f.HasError())
        eof = f.ReadField();
    if (eof && f.RawField().isEmpty() && !f.HasError())
        return true;
    Record record;
    int used = 0; // fields of the current line
    // Reads the next field of the line, or fails when the line or the file ends before it.
    auto next = [&]() -> bool {
        if (f.EndOfLine() || eof)
            return false;
        eof = f.ReadField();
        ++used;
        return !f.HasError();
    };
    for (;;) {
        if (f.HasError())
            return fail(QString());
        ++used;
        qint64 tag = 0;
        qint64 id = 0;
        if (!f.FieldIsInteger(&tag) || tag < TagI2 || tag > TagR8)
            return fail(QCoreApplication::translate("BackupFile", "unknown type tag \"%1\"")
                            .arg(QString::fromLatin1(f.RawField())));
        if (!next())
            return fail(QCoreApplication::translate("BackupFile", "the line ends inside a property"));
        if (!f.FieldIsInteger(&id) || id < 0 || id > std::numeric_limits<quint16>::max())
            return fail(QCoreApplication::translate("BackupFile", "bad property id \"%1\"")
                            .arg(QString::fromLatin1(f.RawField())));
        if (!next())
            return fail(QCoreApplication::translate("BackupFile", "the line ends inside a property"));
        const quint16 pid = static_cast<quint16>(id);
        qint64 v = 0;
        auto integer = [&](qint64 lo, qint64 hi) { return f.FieldIsInteger(&v) && v >= lo && v <= hi; };
        const auto bad = [&] {
            return QCoreApplication::translate("BackupFile", "bad value \"%1\"")
                .arg(QString::fromLatin1(f.RawField()));
        };
        switch (tag) {
        case TagI2:
            if (!integer(-32768, 32767))
                return fail(bad());
            record.push_back(PropVal::I2(pid, static_cast<qint16>(v)));
            break;
        case TagUI2:
            if (!integer(0, 65535))
                return fail(bad());
            record.push_back(PropVal::UI2(pid, static_cast<quint16>(v)));
            break;
        case TagI4:
            if (!integer(std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()))
                return fail(bad());
            record.push_back(PropVal::I4(pid, static_cast<qint32>(v)));
            break;
        case TagUI4:
            if (!integer(0, std::numeric_limits<quint32>::max()))
                return fail(bad());
            record.push_back(PropVal::UI4(pid, static_cast<quint32>(v)));
            break;
        case TagFileTime: {
            if (!integer(0, std::numeric_limits<quint32>::max()))
                return fail(bad());
            const quint32 high = static_cast<quint32>(v);
            if (!next())
                return fail(QCoreApplication::translate("BackupFile", "the line ends inside a property"));
            if (!integer(0, std::numeric_limits<quint32>::max()))
                return fail(bad());
            record.push_back(PropVal::Time(pid, FileTime::FromHalves(static_cast<quint32>(v), high)));
            break;
        }
        case TagText:
            record.push_back(PropVal::Text(pid, f.ReadText()));
            break;
        case TagR8: {
            double d = 0;
            if (!f.FieldIsNumber(&d))
                return fail(bad());
            record.push_back(PropVal::R8(pid, d));
            break;
        }
        }
        if (static_cast<int>(record.size()) > kMaxProperties)
            return fail(QCoreApplication::translate("BackupFile", "more than %1 properties in one record")
                            .arg(kMaxProperties));
        const bool lineEnds = f.EndOfLine() || eof;
        if (used > n || (lineEnds && used != n) || (!lineEnds && used == n))
            return fail(QCoreApplication::translate(
                            "BackupFile", "the line has another number of fields than the first line (%1)")
                            .arg(n));
        if (lineEnds) {
            if (!visit(record))
                return true;
            record.clear();
            used = 0;
        }
        if (eof)
            return true;
        eof = f.ReadField();
        while (used == 0 && !eof && f.EndOfLine() && f.RawField().isEmpty() && !f.HasError())
            eof = f.ReadField();
        if (eof && f.RawField().isEmpty() && !f.HasError() && used == 0)
            return true;
    }
}

bool Read(const QString& path, std::vector<Record>* records, QString* error)
{
    records->clear();
    const bool ok = ReadEach(
        path,
        [&](Record& r) {
            records->push_back(std::move(r));
            return true;
        },
        error);
    if (!ok)
        records->clear();
    return ok;
}

bool Check(const QString& path, qint64* records, QString* error)
{
    *records = 0;
    return ReadEach(
        path,
        [&](Record&) {
            ++*records;
            return true;
        },
        error);
}

bool ReplaceFrom(CDbTable& table, const QString& path, QString* error)
{
    RecordStore& store = table.Store();
    RecordStore::Batch batch(store);
    bool ok = store.DeleteAllRecords(table.Handle());
    ok = ok &&
         ReadEach(
             path,
             [&](Record& r) {
                 ok = store.WriteProps(table.Handle(), RecordStore::WriteTarget::New, r) != 0;
                 return ok;
             },
             error) &&
         ok;
    if (!ok)
        batch.Abandon();
    return batch.Commit();
}

bool Replace(CDbTable& table, const std::vector<Record>& records)
{
    RecordStore& store = table.Store();
    RecordStore::Batch batch(store);
    bool ok = store.DeleteAllRecords(table.Handle());
    for (size_t i = 0; i < records.size() && ok; ++i)
        ok = store.WriteProps(table.Handle(), RecordStore::WriteTarget::New, records[i]) != 0;
    if (!ok)
        batch.Abandon();
    return batch.Commit();
}

} // namespace BackupFile
