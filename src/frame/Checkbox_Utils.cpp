#include "frame/Checkbox_Utils.h"

#include <QCheckBox>

namespace Checkbox_Utils {

void SetCheck(QCheckBox* box, bool checked) { box->setCheckState(checked ? Qt::Checked : Qt::Unchecked); }

bool GetCheck(const QCheckBox* box) { return box->checkState() == Qt::Checked; }

}  // namespace Checkbox_Utils
