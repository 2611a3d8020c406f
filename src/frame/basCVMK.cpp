#include "frame/basCVMK.h"

#include "frame/RuntimeError.h"

namespace basCVMK {
namespace {

quint32 littleEndian(const QByteArray& bytes, int count) {
    quint32 value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | static_cast<quint8>(bytes[i]);
    return value;
}

QByteArray exactBytes(const QString& s, int count, const char* routine) {
    if (s.size() != count) throw RuntimeError(InvalidStringArgument, routine, "Invalid string argument");
    return s.toLatin1();
}

void requireElements(const QByteArray& bytes, int count, const char* routine) {
    if (bytes.size() < count) throw RuntimeError(SubscriptOutOfRange, routine, "Subscript out of range");
}

}  // namespace

qint16 CVI(const QString& s) { return static_cast<qint16>(littleEndian(exactBytes(s, 2, "CVI"), 2)); }

qint32 CVL(const QString& s) { return static_cast<qint32>(littleEndian(exactBytes(s, 4, "CVL"), 4)); }

qint16 BytesToInt(const QByteArray& bytes) {
    requireElements(bytes, 2, "BytesToInt");
    return static_cast<qint16>(littleEndian(bytes, 2));
}

qint32 BytesToLong(const QByteArray& bytes) {
    requireElements(bytes, 4, "BytesToLong");
    return static_cast<qint32>(littleEndian(bytes, 4));
}

}  // namespace basCVMK
