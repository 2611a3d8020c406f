#pragma once
#include <QLabel>
#include <QTextDocument>

// The text a label shows the user: a text the label takes as rich text (by
// its format, or by Qt's guess for automatic text) as its markup reads,
// plain text as it stands.
inline QString ShownText(const QLabel* label) {
    const QString text = label->text();
    const Qt::TextFormat format = label->textFormat();
    if (format == Qt::PlainText || (format == Qt::AutoText && !Qt::mightBeRichText(text))) return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}
