#include "core/qpf_format.h"

#include "core/byte_order.h"

namespace qpf {

namespace {

bool hasMagic(const BoundedReader& r, const char (&magic)[4])
{
    for (int i = 0; i < 4; ++i)
        if (r.u8(i) != static_cast<uint8_t>(magic[i])) return false;
    return true;
}

} // namespace

QpfFileHeader decodeFileHeader(const uint8_t (&bytes)[kFileHeaderSize])
{
    const BoundedReader r(bytes, kFileHeaderSize);
    QpfFileHeader h;
    h.magicOk = hasMagic(r, "SPY");
    h.byteSwapped = r.u8(6) == 0;
    h.version = r.le16(4);
    if (h.byteSwapped) h.version = swap16(h.version);
    return h;
}

QpfRecordHeader decodeRecordHeader(const uint8_t (&bytes)[kRecordHeaderSize], bool byteSwapped)
{
    const BoundedReader r(bytes, kRecordHeaderSize);
    QpfRecordHeader h;
    h.magicOk = hasMagic(r, "QRY");
    h.planLength = r.le16(4);
    h.statementLength = r.le16(6);
    if (byteSwapped) {
        h.planLength = swap16(h.planLength);
        h.statementLength = swap16(h.statementLength);
    }
    return h;
}

} // namespace qpf
