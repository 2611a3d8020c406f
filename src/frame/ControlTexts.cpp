// The widget side of the language system: design texts kept in each
// control's "tag" property and translation of a control by its kind.
#include "frame/LanguageUtil.h"
#include "frame/STRING_UTIL.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTreeView>
#include <algorithm>
#include <optional>

using STRING_UTIL::GetToken;

namespace LanguageUtil {
namespace {

const char* const TagProperty = "tag";
const QString Separator = QStringLiteral("|");

QString tagOf(const QObject* control) { return control->property(TagProperty).toString(); }

void setTag(QObject* control, const QString& text) { control->setProperty(TagProperty, text); }

bool keepsDesignText(const QObject* control) {
    return control->objectName().startsWith(QLatin1String("lblCONST")) ||
           tagOf(control) == QLatin1String("NOLANG");
}

// The digits a control array member adds to its key; nothing outside an array.
QString indexPart(const QObject* control) {
    const QVariant index = control->property("index");
    return index.isValid() ? QString::number(index.toInt()) : QString();
}

// Column headers of a tree or table view, through its model.
QAbstractItemModel* headerModel(QObject* control) {
    if (!qobject_cast<QTreeView*>(control) && !qobject_cast<QTableView*>(control)) return nullptr;
    return static_cast<QAbstractItemView*>(control)->model();
}

// Controls whose texts are a list: tab captions and column headers are keyed
// from 1, combo box items from 0.
struct TextList {
    QStringList texts;
    int firstKeyNumber = 0;
};

std::optional<TextList> textList(QObject* control) {
    TextList list;
    if (auto* tabs = qobject_cast<QTabWidget*>(control)) {
        for (int i = 0; i < tabs->count(); ++i) list.texts.append(tabs->tabText(i));
        list.firstKeyNumber = 1;
    } else if (QAbstractItemModel* model = headerModel(control)) {
        for (int i = 0; i < model->columnCount(); ++i)
            list.texts.append(model->headerData(i, Qt::Horizontal).toString());
        list.firstKeyNumber = 1;
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        for (int i = 0; i < combo->count(); ++i) list.texts.append(combo->itemText(i));
    } else {
        return std::nullopt;
    }
    return list;
}

void setListText(QObject* control, int position, const QString& text) {
    if (auto* tabs = qobject_cast<QTabWidget*>(control)) tabs->setTabText(position, text);
    else if (QAbstractItemModel* model = headerModel(control)) model->setHeaderData(position, Qt::Horizontal, text);
    else if (auto* combo = qobject_cast<QComboBox*>(control)) combo->setItemText(position, text);
}

// The one text of a captioned control; a widget of no other kind is a window
// whose caption is its title. Other objects have no caption.
std::optional<QString> caption(const QObject* control) {
    if (auto* action = qobject_cast<const QAction*>(control)) return action->text();
    if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(control)) return frame->title();
    if (auto* menu = qobject_cast<const QMenu*>(control)) return menu->title();
    if (auto* widget = qobject_cast<const QWidget*>(control)) return widget->windowTitle();
    return std::nullopt;
}

void setCaption(QObject* control, const QString& text) {
    if (auto* action = qobject_cast<QAction*>(control)) action->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(control)) label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control)) button->setText(text);
    else if (auto* frame = qobject_cast<QGroupBox*>(control)) frame->setTitle(text);
    else if (auto* menu = qobject_cast<QMenu*>(control)) menu->setTitle(text);
    else if (auto* widget = qobject_cast<QWidget*>(control)) widget->setWindowTitle(text);
}

QString joinedWithTrailingSeparators(const QStringList& texts) {
    QString joined;
    for (const QString& text : texts) joined += text + Separator;
    return joined;
}

// The kinds of control a window's texts live in.
bool isTranslatableKind(const QObject* control) {
    return qobject_cast<const QCheckBox*>(control) || qobject_cast<const QGroupBox*>(control) ||
           qobject_cast<const QAction*>(control) || qobject_cast<const QMenu*>(control) ||
           qobject_cast<const QLabel*>(control) || qobject_cast<const QPushButton*>(control) ||
           qobject_cast<const QComboBox*>(control) || qobject_cast<const QRadioButton*>(control) ||
           qobject_cast<const QTabWidget*>(control) || qobject_cast<const QTreeView*>(control) ||
           qobject_cast<const QTableView*>(control);
}

// Qt's own helper objects are unnamed or named "qt_..."; only our controls
// carry names that are language keys.
bool isNamedControl(const QObject* control) {
    const QString name = control->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && !name.startsWith(QLatin1String("_q_"));
}

// A dialog or an MDI area inside a window holds other windows, which keep
// their own sections; pop-up menus are part of the window that owns them.
bool holdsOtherWindows(const QObject* object) {
    if (qobject_cast<const QMdiArea*>(object)) return true;
    auto* widget = qobject_cast<const QWidget*>(object);
    return widget && widget->isWindow() && !qobject_cast<const QMenu*>(widget);
}

template <typename Visit>
void forEachFormControl(QObject* parent, const Visit& visit) {
    for (QObject* child : parent->children()) {
        if (isTranslatableKind(child) && isNamedControl(child)) visit(child);
        if (!holdsOtherWindows(child)) forEachFormControl(child, visit);
    }
}

}  // namespace

void StoreOriginalText(QObject* control) {
    if (!control || tagOf(control) == QLatin1String("NOLANG")) return;
    if (const std::optional<TextList> list = textList(control))
        setTag(control, joinedWithTrailingSeparators(list->texts));
    else if (const std::optional<QString> text = caption(control))
        setTag(control, *text);
}

void TranslateControl(const QString& section, QObject* control, const QString& defaultText) {
    if (!control || keepsDesignText(control)) return;
    const QString key = control->objectName() + indexPart(control);
    if (const std::optional<TextList> list = textList(control)) {
        QString designTexts = tagOf(control);
        for (int i = 0; i < list->texts.size(); ++i) {
            const QString design = GetToken(designTexts, Separator);
            setListText(control, i, GetLangText(section, key + QString::number(i + list->firstKeyNumber), design));
        }
        return;
    }
    if (caption(control)) setCaption(control, GetLangText(section, key, defaultText.isNull() ? tagOf(control) : defaultText));
}

void StoreFormTexts(QWidget* form) {
    if (form) forEachFormControl(form, [](QObject* control) { StoreOriginalText(control); });
}

void TranslateForm(const QString& section, QWidget* form) {
    if (form) forEachFormControl(form, [&](QObject* control) { TranslateControl(section, control); });
}

void SaveListToTag(QComboBox* list) {
    if (list) setTag(list, ListToArray(list).join(Separator));
}

QStringList ListToArray(const QComboBox* list) {
    QStringList items;
    if (!list) return items;
    for (int i = 0; i < list->count(); ++i) items.append(list->itemText(i));
    return items;
}

void TranslateList(const QString& section, QComboBox* list) {
    if (!list) return;
    QString designItems = tagOf(list);
    for (int i = 0; i < list->count(); ++i) {
        const QString design = GetToken(designItems, Separator);
        list->setItemText(i, GetLangText(section, list->objectName() + QString::number(i), design));
    }
}

void TranslateListFromArray(const QString& section, QComboBox* list, const QStringList& designItems) {
    if (!list) return;
    const int count = std::min<int>(list->count(), designItems.size());
    for (int i = 0; i < count; ++i)
        list->setItemText(i, GetLangText(section, list->objectName() + QString::number(i), designItems[i]));
}

}  // namespace LanguageUtil
