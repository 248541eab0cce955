#pragma once

#include "platform/PropVal.h"

#include <QByteArray>

#include <vector>

// The byte layout of one record's properties, in the order written:
// per property a 16-bit id, an 8-bit type tag and the value (little-endian; text as a
// 32-bit count of UTF-16 units and the units; BLOB as a 32-bit length and the bytes).
namespace PropCodec {

QByteArray Encode(const std::vector<PropVal>& props);
// The same bytes into out, whose room is kept for the next record.
void EncodeInto(const std::vector<PropVal>& props, QByteArray* out);
// False when the bytes are not a well-formed property list.
bool Decode(const void* data, int size, std::vector<PropVal>* out);

} // namespace PropCodec
