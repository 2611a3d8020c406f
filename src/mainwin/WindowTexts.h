#pragma once

class QWidget;

// Translates a window from the language section named after it (its
// objectName): the caption under the window's own name, every captioned
// control under the control's name. The design texts are kept on the first
// call, so a window can be translated again and again. Controls whose tag
// is "NOLANG" (lists filled at run time, texts that stay as designed) are
// left alone.
void TranslateWindow(QWidget* window);

// Marks a control so that TranslateWindow leaves it alone.
void KeepDesignText(QWidget* control);

class QString;

// A caption from a language file fit for a menu, title or tip: one that
// would show nothing (empty, blanks, only "&") gives way to the design text,
// and an overlong one is cut, so that no file can leave a window unusable.
QString UsableCaption(const QString& translated, const QString& designText);
