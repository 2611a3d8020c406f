#pragma once
#include "frame/LanguageUtil.h"

#include <QString>

// The built-in German quick-help table behind LanguageUtil::GetQuickHelp.
// Each sensor line's editor owns its texts and adds them with
// RegisterQuickHelpTexts when it is registered at start-up.
namespace LanguageUtil {

// The built-in text of an id; empty for an id without one.
QString BuiltInQuickHelp(int id);

}  // namespace LanguageUtil
