#pragma once

class QComboBox;

namespace PortUtil {

// Empties the combo box and fills it with the names of the machine's serial
// ports, each once; never leaves it empty ("COM1" when nothing is found).
void FillPortList(QComboBox* combo);

}  // namespace PortUtil

using PortUtil::FillPortList;
