#pragma once

#include "platform/PropVal.h"

#include <vector>

// Takes the properties a wrapper knows out of a record read whole. A property the record
// lacks reads as 0 or empty text; properties the wrapper does not know are ignored.
class RecordReader
{
public:
    explicit RecordReader(const std::vector<PropVal>& props) : m_props(props) {}

    const PropVal* Find(quint16 id) const;
    quint32 UInt(quint16 id) const;
    qint32 Int(quint16 id) const;
    double Double(quint16 id) const;
    QString Text(quint16 id) const;
    FileTime Time(quint16 id) const;

private:
    const std::vector<PropVal>& m_props;
};
