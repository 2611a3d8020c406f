#pragma once
#include <QString>
#include <QtGlobal>
#include <optional>

class QComboBox;

// Combo-box helpers. Entries count from 0; every entry carries a 32-bit item
// number (Qt::UserRole), 0 for entries added without one.
namespace Combo_Utils {

// Adds text at position, or at the end when position is negative or past the
// end; returns the new entry's index.
int ComboAddItem(QComboBox* combo, const QString& text, std::optional<qint32> itemData = std::nullopt,
                 int position = -1);

// Index of the first entry whose item data equals itemData, else notFound.
// With select set and a non-empty list, the result also becomes the current
// index, so a miss with the default -1 clears the selection.
int ComboFindItemData(QComboBox* combo, qint32 itemData, int notFound = -1, bool select = true);

// Index of the first entry whose text equals text exactly (letter case
// included), else notFound; the result always becomes the current index.
int ComboFindText(QComboBox* combo, const QString& text, int notFound = -1);

// The text of the first entry from entry 1 on whose item data equals itemData,
// with its index; entry 0 stands for "none of them": its text and index 0.
QString ComboTextByItemData(const QComboBox* combo, qint32 itemData, int& index);

// Item data of the current entry; 0 when nothing is selected.
qint32 ComboGetItemData(const QComboBox* combo);

}  // namespace Combo_Utils

using Combo_Utils::ComboAddItem;
using Combo_Utils::ComboFindItemData;
using Combo_Utils::ComboFindText;
using Combo_Utils::ComboGetItemData;
using Combo_Utils::ComboTextByItemData;
