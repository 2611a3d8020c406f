#include "mainwin/frmMonitor.h"

#include "frame/Inifile_Utils.h"
#include "frame/Options.h"
#include "frame/STRING_UTIL.h"
#include "frame/Window.h"
#include "link/TrafficLog.h"
#include "mainwin/WindowTexts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

using STRING_UTIL::HexPad;

namespace {

const QString Section = QStringLiteral("Monitor");
constexpr int HelpContext = 700;
constexpr int BatchMs = 50;
constexpr int DesignInnerHeight = 119;
constexpr int Margin = 4;

bool readYes(const QString& key, const QString& defaultValue) {
    return ReadIniString(Options::SettingsFile, Section, key, defaultValue).toLower() == QLatin1String("yes");
}

void writeYes(const QString& key, const QCheckBox* box) {
    WriteIniString(Options::SettingsFile, Section, key,
                   box->checkState() != Qt::Unchecked ? QStringLiteral("Yes") : QStringLiteral("No"));
}

// Control characters would break a list line apart or vanish; the list shows
// a dot in their place (the lines themselves keep them).
QString displayed(QString line) {
    for (QChar& c : line)
        if (c.unicode() < 0x20) c = QChar(0xB7);
    return line;
}

}  // namespace

frmMonitor::frmMonitor(QMdiArea* area) {
    setObjectName(QStringLiteral("frmMonitor"));
    setWindowTitle(QStringLiteral("Port Monitor"));

    lstComm = new QListWidget(this);
    lstComm->setObjectName(QStringLiteral("lstComm"));
    lstComm->setUniformItemSizes(true);
    lstComm->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    lstComm->setMinimumHeight(1);
    chkDynamic = new QCheckBox(QStringLiteral("&dynamische Daten"), this);
    chkDynamic->setObjectName(QStringLiteral("chkDynamic"));
    chkStatic = new QCheckBox(QStringLiteral("&statische Daten"), this);
    chkStatic->setObjectName(QStringLiteral("chkStatic"));
    btClear = new QPushButton(QStringLiteral("&Löschen"), this);
    btClear->setObjectName(QStringLiteral("btClear"));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(Margin, Margin, Margin, Margin);
    layout->setSpacing(0);
    layout->addWidget(lstComm, 0, 0, 1, 3);
    layout->setRowStretch(0, 1);
    layout->setRowMinimumHeight(1, Margin);
    layout->addWidget(chkDynamic, 2, 0);
    layout->addWidget(chkStatic, 3, 0);
    layout->setColumnStretch(1, 1);
    layout->setColumnMinimumWidth(1, Margin);
    layout->addWidget(btClear, 2, 2, 2, 1, Qt::AlignBottom);

    batchTimer_ = new QTimer(this);
    batchTimer_->setSingleShot(true);
    batchTimer_->setInterval(BatchMs);
    connect(batchTimer_, &QTimer::timeout, this, &frmMonitor::ShowPendingLines);
    connect(btClear, &QPushButton::clicked, this, &frmMonitor::Clear);

    area->addSubWindow(this);
    setDefaultGeometry(area);
    Window::RestoreWindowPos(this);
    chkDynamic->setChecked(readYes(QStringLiteral("ShowDynamic"), QStringLiteral("No")));
    chkStatic->setChecked(readYes(QStringLiteral("ShowStatic"), QStringLiteral("Yes")));
    Loaded = true;
    SetLanguage();
    TrafficLog::SetSink([this](const TrafficLogLine& line) { Add(line.Prefix, line.Text, line.Dynamic); });
}

frmMonitor::~frmMonitor() {
    if (Loaded) TrafficLog::SetSink({});
}

void frmMonitor::setDefaultGeometry(QMdiArea* area) {
    // The lower right half of the main window's client area, as high as the
    // design (or the fonts) need.
    QMdiSubWindow* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!sub) return;
    const QSize client = area->viewport()->size();
    const QMargins frame = sub->contentsMargins();
    const int width = client.width() / 2;
    const int height = qMax(DesignInnerHeight, minimumSizeHint().height()) + frame.top() + frame.bottom();
    sub->setGeometry(client.width() - width, client.height() - height, width, height);
}

void frmMonitor::SetLanguage() {
    TranslateWindow(this);
}

QString frmMonitor::CompleteText(const QString& text) {
    if (text.isEmpty()) return QStringLiteral("<TIMEOUT>");
    if (text.size() == 1) {
        const int code = static_cast<unsigned char>(text.toLatin1().at(0));
        return text + QStringLiteral(" (HEX=") + HexPad(code, QStringLiteral("00")) + QLatin1Char(')');
    }
    return text;
}

void frmMonitor::Add(const QString& prefix, const QString& text, bool dynamic) {
    if (!Loaded) return;
    const QCheckBox* filter = dynamic ? chkDynamic : chkStatic;
    if (filter->checkState() == Qt::Unchecked) return;
    lines_.push_back(prefix + CompleteText(text));
    if (int(lines_.size()) > MaxLines) lines_.pop_front();
    unshown_ = qMin(unshown_ + 1, MaxLines);
    if (!batchTimer_->isActive()) batchTimer_->start();
}

QStringList frmMonitor::Lines() const {
    return QStringList(lines_.begin(), lines_.end());
}

void frmMonitor::ShowPendingLines() {
    batchTimer_->stop();
    if (unshown_ == 0) return;
    lstComm->setUpdatesEnabled(false);
    const int keep = qMax(0, MaxLines - unshown_);
    if (lstComm->count() > keep) {
        if (keep == 0) {
            lstComm->clear();
        } else {
            for (int excess = lstComm->count() - keep; excess > 0; --excess) delete lstComm->takeItem(0);
        }
    }
    QStringList fresh;
    fresh.reserve(unshown_);
    for (auto it = lines_.end() - unshown_; it != lines_.end(); ++it) fresh.append(displayed(*it));
    lstComm->addItems(fresh);
    unshown_ = 0;
    lstComm->setUpdatesEnabled(true);
    lstComm->scrollToBottom();
}

void frmMonitor::Clear() {
    lines_.clear();
    unshown_ = 0;
    lstComm->clear();
}

void frmMonitor::closeEvent(QCloseEvent* event) {
    writeYes(QStringLiteral("ShowDynamic"), chkDynamic);
    writeYes(QStringLiteral("ShowStatic"), chkStatic);
    emit closed();
    Window::SaveWindowPos(this);
    TrafficLog::SetSink({});
    Loaded = false;
    event->accept();
}

void frmMonitor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        Window::ShowHelp(HelpContext);
        return;
    }
    QWidget::keyPressEvent(event);
}
