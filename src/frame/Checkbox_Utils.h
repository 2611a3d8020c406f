#pragma once

class QCheckBox;

namespace Checkbox_Utils {

void SetCheck(QCheckBox* box, bool checked);
// True only when fully checked; a greyed (partially checked) box reads False.
bool GetCheck(const QCheckBox* box);

}  // namespace Checkbox_Utils

using Checkbox_Utils::GetCheck;
using Checkbox_Utils::SetCheck;
