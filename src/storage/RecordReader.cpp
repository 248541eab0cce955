#include "RecordReader.h"

const PropVal* RecordReader::Find(quint16 id) const
{
    for (const PropVal& p : m_props) {
        if (p.Id() == id)
            return &p;
    }
    return nullptr;
}

quint32 RecordReader::UInt(quint16 id) const
{
    const PropVal* p = Find(id);
    return p ? p->ToUInt() : 0;
}

qint32 RecordReader::Int(quint16 id) const
{
    const PropVal* p = Find(id);
    return p ? static_cast<qint32>(p->ToInt()) : 0;
}

double RecordReader::Double(quint16 id) const
{
    const PropVal* p = Find(id);
    return p ? p->ToDouble() : 0.0;
}

QString RecordReader::Text(quint16 id) const
{
    const PropVal* p = Find(id);
    return p && p->Type() == PropType::LpWstr ? p->ToText() : QString();
}

FileTime RecordReader::Time(quint16 id) const
{
    const PropVal* p = Find(id);
    return p && p->Type() == PropType::FileTime ? p->ToFileTime() : FileTime();
}
