#include "PropCodec.h"

#include <algorithm>
#include <cstring>

namespace {

// Writes one little-endian value at w and moves w past it.
template <typename T> void Put(char*& w, T v)
{
    std::memcpy(w, &v, sizeof(T));
    if constexpr (Q_BYTE_ORDER == Q_BIG_ENDIAN)
        std::reverse(w, w + sizeof(T));
    w += sizeof(T);
}

qsizetype ValueSize(const PropVal& p)
{
    switch (p.Type()) {
    case PropType::I2:
    case PropType::UI2:
        return 2;
    case PropType::I4:
    case PropType::UI4:
        return 4;
    case PropType::Bool:
        return 1;
    case PropType::FileTime:
    case PropType::R8:
        return 8;
    case PropType::LpWstr:
        return 4 + p.ToText().size() * 2;
    case PropType::Blob:
        return 4 + p.ToBlob().size();
    }
    return 0;
}

class Reader
{
public:
    Reader(const char* p, int n) : m_p(p), m_end(p + n) {}
    bool AtEnd() const { return m_p == m_end; }
    template <typename T> bool Get(T* v)
    {
        if (m_end - m_p < static_cast<std::ptrdiff_t>(sizeof(T)))
            return false;
        char buf[sizeof(T)];
        std::memcpy(buf, m_p, sizeof(T));
        if constexpr (Q_BYTE_ORDER == Q_BIG_ENDIAN)
            std::reverse(buf, buf + sizeof(T));
        std::memcpy(v, buf, sizeof(T));
        m_p += sizeof(T);
        return true;
    }
    bool Bytes(qint64 n, const char** p)
    {
        if (n < 0 || m_end - m_p < n)
            return false;
        *p = m_p;
        m_p += n;
        return true;
    }

private:
    const char* m_p;
    const char* m_end;
};

} // namespace

namespace PropCodec {

QByteArray Encode(const std::vector<PropVal>& props)
{
    QByteArray out;
    EncodeInto(props, &out);
    return out;
}

void EncodeInto(const std::vector<PropVal>& props, QByteArray* out)
{
    // The size first, then the bytes written in place: a record is one allocation at most.
    qsizetype size = 0;
    for (const PropVal& p : props)
        size += 3 + ValueSize(p);
    out->resize(size);
    char* w = out->data();
    for (const PropVal& p : props) {
        Put<quint16>(w, p.Id());
        Put<quint8>(w, static_cast<quint8>(p.Type()));
        switch (p.Type()) {
        case PropType::I2:
        case PropType::UI2:
            Put<quint16>(w, static_cast<quint16>(p.ToInt()));
            break;
        case PropType::I4:
        case PropType::UI4:
            Put<quint32>(w, static_cast<quint32>(p.ToInt()));
            break;
        case PropType::Bool:
            Put<quint8>(w, p.ToInt() ? 1 : 0);
            break;
        case PropType::FileTime:
            Put<quint64>(w, static_cast<quint64>(p.ToInt()));
            break;
        case PropType::R8:
            Put<double>(w, p.ToDouble());
            break;
        case PropType::LpWstr: {
            const QString& t = p.ToText();
            Put<quint32>(w, static_cast<quint32>(t.size()));
            if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
                if (!t.isEmpty())
                    std::memcpy(w, t.utf16(), static_cast<size_t>(t.size()) * 2);
                w += t.size() * 2;
            } else {
                for (QChar c : t)
                    Put<quint16>(w, c.unicode());
            }
            break;
        }
        case PropType::Blob: {
            const QByteArray& b = p.ToBlob();
            Put<quint32>(w, static_cast<quint32>(b.size()));
            if (!b.isEmpty())
                std::memcpy(w, b.constData(), static_cast<size_t>(b.size()));
            w += b.size();
            break;
        }
        }
    }
}

bool Decode(const void* data, int size, std::vector<PropVal>* out)
{
    out->clear();
    Reader r(static_cast<const char*>(data), size);
    while (!r.AtEnd()) {
        quint16 id;
        quint8 tag;
        if (!r.Get(&id) || !r.Get(&tag) || !IsValidPropTypeTag(tag))
            return false;
        switch (static_cast<PropType>(tag)) {
        case PropType::I2: {
            qint16 v;
            if (!r.Get(&v))
                return false;
            out->push_back(PropVal::I2(id, v));
            break;
        }
        case PropType::UI2: {
            quint16 v;
            if (!r.Get(&v))
                return false;
            out->push_back(PropVal::UI2(id, v));
            break;
        }
        case PropType::I4: {
            qint32 v;
            if (!r.Get(&v))
                return false;
            out->push_back(PropVal::I4(id, v));
            break;
        }
        case PropType::UI4: {
            quint32 v;
            if (!r.Get(&v))
                return false;
            out->push_back(PropVal::UI4(id, v));
            break;
        }
        case PropType::Bool: {
            quint8 v;
            if (!r.Get(&v))
                return false;
            out->push_back(PropVal::Bool(id, v != 0));
            break;
        }
        case PropType::FileTime: {
            quint64 v;
            if (!r.Get(&v))
                return false;
            out->push_back(PropVal::Time(id, FileTime(v)));
            break;
        }
        case PropType::R8: {
            double v;
            if (!r.Get(&v))
                return false;
            out->push_back(PropVal::R8(id, v));
            break;
        }
        case PropType::LpWstr: {
            quint32 n;
            const char* p;
            if (!r.Get(&n) || !r.Bytes(static_cast<qint64>(n) * 2, &p))
                return false;
            QString t(static_cast<qsizetype>(n), Qt::Uninitialized);
            for (quint32 i = 0; i < n; ++i) {
                quint16 u;
                std::memcpy(&u, p + 2 * i, 2);
                if constexpr (Q_BYTE_ORDER == Q_BIG_ENDIAN)
                    u = static_cast<quint16>((u >> 8) | (u << 8));
                t[i] = QChar(u);
            }
            out->push_back(PropVal::Text(id, t));
            break;
        }
        case PropType::Blob: {
            quint32 n;
            const char* p;
            if (!r.Get(&n) || !r.Bytes(n, &p))
                return false;
            out->push_back(PropVal::Blob(id, QByteArray(p, n)));
            break;
        }
        }
    }
    return true;
}

} // namespace PropCodec
