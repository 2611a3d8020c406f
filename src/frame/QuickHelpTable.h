#pragma once
#include "frame/LanguageUtil.h"

#include <QString>
#include <span>

// The built-in German quick-help table behind LanguageUtil::GetQuickHelp.
// Each sensor line's editor texts are one list of their own; a line added
// later either gets its list here or registers it with RegisterQuickHelpTexts
// when its editor starts.
namespace LanguageUtil {

// The built-in text of an id; empty for an id without one.
QString BuiltInQuickHelp(int id);

std::span<const QuickHelpText> QF8200QuickHelpTexts();

}  // namespace LanguageUtil
