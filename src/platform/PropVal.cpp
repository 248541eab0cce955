#include "PropVal.h"

bool PropVal::ValueEquals(const PropVal& o) const
{
    if (m_type != o.m_type)
        return false;
    switch (m_type) {
    case PropType::R8:
        return m_real == o.m_real;
    case PropType::LpWstr:
        return m_text == o.m_text;
    case PropType::Blob:
        return m_blob == o.m_blob;
    default:
        return m_int == o.m_int;
    }
}

bool PropVal::operator==(const PropVal& o) const
{
    return m_id == o.m_id && ValueEquals(o);
}
