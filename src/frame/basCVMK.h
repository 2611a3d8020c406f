#pragma once
#include <QByteArray>
#include <QString>

// Little-endian binary strings and byte arrays to integers (first byte lowest).
namespace basCVMK {

// Error number of CVI and CVL for a string of the wrong length.
constexpr int InvalidStringArgument = 1000;
// Error number of BytesToInt and BytesToLong for an array that is too short.
constexpr int SubscriptOutOfRange = 9;

// The two characters (Latin-1 bytes) of s; throws RuntimeError 1000 with
// source "CVI" unless s has exactly 2 characters.
qint16 CVI(const QString& s);
// The four characters of s; throws RuntimeError 1000 with source "CVL"
// unless s has exactly 4 characters.
qint32 CVL(const QString& s);

// Elements 0 and 1 (or 0 to 3); throws RuntimeError 9 when there are fewer.
qint16 BytesToInt(const QByteArray& bytes);
qint32 BytesToLong(const QByteArray& bytes);

}  // namespace basCVMK

using basCVMK::BytesToInt;
using basCVMK::BytesToLong;
using basCVMK::CVI;
using basCVMK::CVL;
