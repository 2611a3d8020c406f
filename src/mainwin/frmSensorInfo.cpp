#include "mainwin/frmSensorInfo.h"

#include "link/SensorEditor.h"
#include "link/SensorInfo.h"
#include "editors/common/SensorPictures.h"
#include "frame/Utils.h"
#include "mainwin/WindowTexts.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVariant>

namespace {

QLabel* label(const char* name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

// A value label: sensor texts are shown as they are, never translated.
QLabel* value(const char* name, QWidget* parent) {
    QLabel* l = label(name, QString(), parent);
    l->setTextFormat(Qt::PlainText);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    KeepDesignText(l);
    return l;
}

QString item(int number) {
    QVariant v;
    Sensor::GetSensorData(number, v);
    return v.toString();
}

}  // namespace

frmSensorInfo::frmSensorInfo(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSensorInfo"));
    setWindowTitle(QStringLiteral("Sensor Info"));
    lblTyp = label("lblTyp", QStringLiteral("Typenbezeichnung:"), this);
    lbTyp = value("lbTyp", this);
    lblVersion = label("lblVersion", QStringLiteral("Version:"), this);
    lbVersion = value("lbVersion", this);
    lblSoftware = label("lblSoftware", QStringLiteral("Softwareversion:"), this);
    lbSoftware = value("lbSoftware", this);
    lblEprom = label("lblEprom", QStringLiteral("Eprom:"), this);
    lbEprom = value("lbEprom", this);
    picSensor = label("picSensor", QString(), this);
    KeepDesignText(picSensor);
    btOk = new QPushButton(QStringLiteral("&OK"), this);
    btOk->setObjectName(QStringLiteral("btOK"));
    btOk->setDefault(true);
    connect(btOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(picSensor, 0, 0, 4, 1, Qt::AlignTop);
    const std::pair<QLabel*, QLabel*> rows[] = {
        {lblTyp, lbTyp}, {lblVersion, lbVersion}, {lblSoftware, lbSoftware}, {lblEprom, lbEprom}};
    int row = 0;
    for (const auto& [caption, shown] : rows) {
        layout->addWidget(caption, row, 1);
        layout->addWidget(shown, row, 2);
        ++row;
    }
    layout->setColumnStretch(2, 1);
    layout->addWidget(btOk, 4, 2, Qt::AlignRight);

    SetLanguage();
    const QString type = item(SensorInfoItem::SensorType);
    lbTyp->setText(type);
    QPixmap picture = QPixmap::fromImage(SensorPictures::Picture(SensorPictures::PictureName(type)));
    MakePictureTransparent(picture);
    picSensor->setPixmap(picture);
    lbVersion->setText(item(SensorInfoItem::Version));
    lbSoftware->setText(SoftwareText(item(SensorInfoItem::VersionLetter), item(SensorInfoItem::DateTime)));
    lbEprom->setText(item(SensorInfoItem::Eprom));
}

void frmSensorInfo::SetLanguage() {
    TranslateWindow(this);
}

QString frmSensorInfo::SoftwareText(const QString& versionLetter, const QString& dateTime) {
    return (versionLetter + QStringLiteral(" (")).trimmed() + dateTime + QLatin1Char(')');
}
