#pragma once

#include "platform/FileTime.h"
#include "platform/PropType.h"

#include <QByteArray>
#include <QString>

// One typed property of a record: id, value type and value.
// Text is held as an implicitly shared QString, so a value built from a long-lived buffer
// costs no copy until either side changes.
class PropVal
{
public:
    PropVal() = default; // id 0, type I4, value 0: the "empty property"

    static PropVal I2(quint16 id, qint16 v) { return PropVal(id, PropType::I2, v); }
    static PropVal UI2(quint16 id, quint16 v) { return PropVal(id, PropType::UI2, v); }
    static PropVal I4(quint16 id, qint32 v) { return PropVal(id, PropType::I4, v); }
    static PropVal UI4(quint16 id, quint32 v) { return PropVal(id, PropType::UI4, v); }
    static PropVal Bool(quint16 id, bool v) { return PropVal(id, PropType::Bool, v ? 1 : 0); }
    static PropVal Time(quint16 id, FileTime v)
    {
        return PropVal(id, PropType::FileTime, static_cast<qint64>(v.Ticks()));
    }
    static PropVal R8(quint16 id, double v)
    {
        PropVal p(id, PropType::R8, 0);
        p.m_real = v;
        return p;
    }
    static PropVal Text(quint16 id, const QString& v)
    {
        PropVal p(id, PropType::LpWstr, 0);
        p.m_text = v;
        return p;
    }
    static PropVal Blob(quint16 id, const QByteArray& v)
    {
        PropVal p(id, PropType::Blob, 0);
        p.m_blob = v;
        return p;
    }

    quint16 Id() const { return m_id; }
    PropType Type() const { return m_type; }

    // Integer value of the integer types, FILETIME and BOOL; 0 for the others.
    qint64 ToInt() const { return m_int; }
    quint32 ToUInt() const { return static_cast<quint32>(m_int); }
    double ToDouble() const { return m_type == PropType::R8 ? m_real : static_cast<double>(m_int); }
    FileTime ToFileTime() const { return FileTime(static_cast<quint64>(m_int)); }
    const QString& ToText() const { return m_text; }
    const QByteArray& ToBlob() const { return m_blob; }

    // Same id, same type and same value (doubles compared exactly).
    bool operator==(const PropVal& o) const;
    bool ValueEquals(const PropVal& o) const;

private:
    PropVal(quint16 id, PropType type, qint64 v) : m_id(id), m_type(type), m_int(v) {}

    quint16 m_id = 0;
    PropType m_type = PropType::I4;
    qint64 m_int = 0;
    double m_real = 0.0;
    QString m_text;
    QByteArray m_blob;
};
