#include "frame/WinApi.h"

namespace WinApi {

QString PtrToString(const char* text) { return text ? QString::fromLatin1(text) : QString(); }

}  // namespace WinApi
