#include "mainwin/MenuBarLetters.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QShortcutEvent>

MenuBarLetters::MenuBarLetters(QMenuBar* bar) : QObject(bar), bar_(bar) { qApp->installEventFilter(this); }

bool MenuBarLetters::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Shortcut || watched == bar_) return false;
    const auto* shortcut = static_cast<QShortcutEvent*>(event);
    const auto* control = qobject_cast<QWidget*>(watched);
    // Only a letter the menu bar shares, and only inside the main window:
    // dialogs have windows of their own.
    if (!shortcut->isAmbiguous() || !control || control->window() != bar_->window()) return false;
    for (QAction* item : bar_->actions()) {
        if (!item->isVisible() || !item->isEnabled() || QKeySequence::mnemonic(item->text()) != shortcut->key())
            continue;
        if (item->menu())
            bar_->setActiveAction(item);
        else
            item->trigger();
        return true;
    }
    return false;
}
