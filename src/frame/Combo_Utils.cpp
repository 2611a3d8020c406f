#include "frame/Combo_Utils.h"

#include <QComboBox>

namespace Combo_Utils {
namespace {

qint32 itemDataAt(const QComboBox* combo, int index) { return combo->itemData(index).toInt(); }

}  // namespace

int ComboAddItem(QComboBox* combo, const QString& text, std::optional<qint32> itemData, int position) {
    const int index = (position < 0 || position > combo->count()) ? combo->count() : position;
    combo->insertItem(index, text);
    if (itemData) combo->setItemData(index, *itemData);
    return index;
}

int ComboFindItemData(QComboBox* combo, qint32 itemData, int notFound, bool select) {
    int result = notFound;
    for (int i = 0; i < combo->count(); ++i) {
        if (itemDataAt(combo, i) == itemData) {
            result = i;
            break;
        }
    }
    if (select && combo->count() > 0) combo->setCurrentIndex(result);
    return result;
}

int ComboFindText(QComboBox* combo, const QString& text, int notFound) {
    int result = notFound;
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemText(i) == text) {
            result = i;
            break;
        }
    }
    combo->setCurrentIndex(result);
    return result;
}

QString ComboTextByItemData(const QComboBox* combo, qint32 itemData, int& index) {
    for (int i = 1; i < combo->count(); ++i) {
        if (itemDataAt(combo, i) == itemData) {
            index = i;
            return combo->itemText(i);
        }
    }
    index = 0;
    return combo->itemText(0);
}

qint32 ComboGetItemData(const QComboBox* combo) {
    const int current = combo->currentIndex();
    return current < 0 ? 0 : itemDataAt(combo, current);
}

}  // namespace Combo_Utils
