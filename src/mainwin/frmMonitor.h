#pragma once
#include <QString>
#include <QStringList>
#include <QWidget>

#include <deque>

class QCheckBox;
class QListWidget;
class QMdiArea;
class QPushButton;
class QTimer;

// The traffic monitor: a child window of the main window that lists the
// serial traffic, one line per request or answer, at most 1000 lines. While
// it is open it is the serial layer's traffic sink. Check boxes choose
// whether cyclic (polling) and one-off traffic are shown; both choices are
// kept in the settings file's section "Monitor".
//
// The list is redrawn in batches, so a burst of thousands of lines a second
// costs one view update per batch.
class frmMonitor : public QWidget {
    Q_OBJECT
public:
    static constexpr int MaxLines = 1000;

    // Opens the monitor as a child window of area (hidden until shown), in
    // its stored place or the lower right half of the area.
    explicit frmMonitor(QMdiArea* area);
    ~frmMonitor() override;

    // Appends prefix + text unless the filter for this kind of traffic is
    // off: an empty text shows "<TIMEOUT>", a one-character text gets its
    // code appended (" (HEX=41)"). Does nothing once the window is closed.
    void Add(const QString& prefix, const QString& text, bool dynamic = false);
    void SetLanguage();

    // The text Add shows for text.
    static QString CompleteText(const QString& text);
    // The lines held, oldest first (the list shows them after the next batch).
    QStringList Lines() const;
    // Brings the list up to date at once instead of with the next batch.
    void ShowPendingLines();

    bool Loaded = false;

    QListWidget* lstComm;
    QCheckBox* chkDynamic;
    QCheckBox* chkStatic;
    QPushButton* btClear;

signals:
    // The window closed; the main window takes the check mark off its menu item.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Clear();
    void setDefaultGeometry(QMdiArea* area);

    std::deque<QString> lines_;
    int unshown_ = 0;        // lines at the end of lines_ that the list does not show yet
    QTimer* batchTimer_;
};
