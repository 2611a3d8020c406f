#pragma once
#include <QString>

namespace WinApi {

// A copy of the NUL-terminated byte string at text (Latin-1); "" for null.
QString PtrToString(const char* text);

}  // namespace WinApi

using WinApi::PtrToString;
